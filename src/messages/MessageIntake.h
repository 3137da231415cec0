#pragma once

#include "MessageReader.h"

#include <QByteArray>
#include <QString>
#include <vector>

class QMimeData;

namespace fyn {

class GroupSheet;
class StringTable;
class Wording;

// A publisher's message on its way into the report dialog, whether pasted or dropped: a text,
// a report link, or an e-mail file. It refuses what is too large or no text, reads the figures,
// and finds whose report it is: the sender's address, else the one publisher the text names,
// else the publisher selected in the list. It never guesses between two.
class MessageIntake {
public:
    static constexpr qint64 kLargestFile = 1024 * 1024;
    static constexpr qsizetype kLongestText = 64 * 1024;

    // What was pasted or dropped: a file, the bytes of an e-mail, or a text.
    struct Input {
        QString filePath;
        QByteArray mail;
        QString text;
    };
    static Input FromMimeData(const QMimeData& data);

    enum class Way { Sender, Name, Selected };

    struct Result {
        // Told to the user instead of opening anything, when not empty.
        QString refusal;
        // The records it may be; with more than one the user chooses.
        std::vector<int> publishers;
        Way way = Way::Selected;
        MessageReading reading;
    };

    MessageIntake(const GroupSheet& sheet, const StringTable& strings, const Wording& wording);

    Result Read(const Input& input, int selectedRecord) const;
    // The report dialog's line about the message: what was read and what was not.
    QString Line(const Result& result) const;

private:
    Result ReadText(const QString& text, const QString& sender, int selectedRecord) const;
    QString ReadFile(const QString& path, Input& input) const;
    QString ReadMail(const QByteArray& mail, const QString& fileName, QString& text,
                     QString& sender) const;
    QString itemText(MessageReading::Field field) const;

    const GroupSheet& sheet_;
    const StringTable& strings_;
    const Wording& wording_;
};

} // namespace fyn
