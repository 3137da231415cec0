#pragma once

#include "MessageVocabulary.h"
#include "ReportFigures.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace fyn {

class PhraseIndex;

// What a publisher's message says, read only where it is clear: a figure needs its word next to
// it, a field given twice with different values is left empty and named as unclear, and dates,
// times, verses and telephone numbers are no figures at all.
struct MessageReading {
    enum Field { Month, InService, Hours, Studies, Credit, Remark };

    ReportFigures figures;
    std::vector<Field> unclear;
    // Numbers with no word beside them, as written.
    QStringList unboundNumbers;
    // The positions in the list of names given to Read that the text names.
    std::vector<int> named;

    bool read(Field field) const;
};

class MessageReader {
public:
    struct Name {
        QString first;
        QString surname;
    };

    explicit MessageReader(const MessageVocabulary& vocabulary);

    // Reads the text and any report link in it; names are the publishers to look for, each by
    // first name and surname in either order.
    MessageReading Read(const QString& text, const std::vector<Name>& names) const;

    // The text without what an earlier message says: lines quoted with ">", the line that
    // introduces them, Fyn's own reminder below a reply, and a signature.
    QString OwnPart(const QString& text) const;

private:
    const MessageVocabulary& vocabulary_;
    // The vocabulary's phrases by their first word, built once.
    std::shared_ptr<PhraseIndex> index_;
};

} // namespace fyn
