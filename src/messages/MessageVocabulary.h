#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

namespace fyn {

// The words by which a publisher's message says what it reports, in all eight interface
// languages at once: a message in Czech reaches a Slovak collector as easily as one in Slovak.
// They come from the string table, where each language's translator keeps them beside the
// month names and headings they belong with; nothing here names a word itself.
class MessageVocabulary {
public:
    enum Concept { Hours, Studies, Credit, Service, Yes, No, Auxiliary, RemarkLabel, ConceptCount };

    // A phrase as folded words ("biblicke studia").
    using Phrase = QStringList;

    struct MonthForm {
        Phrase words;
        int month = 0;
        // Every language writes this form with a capital: written in lower case and short, it
        // is an ordinary word ("may").
        bool capitalOnly = true;
    };

    // Reads the texts of one language after another: text(id) gives that language's text.
    void addLanguage(const std::function<QString(int id)>& text);

    // The eight languages of the program's own tables, read once.
    static const MessageVocabulary& allLanguages();

    // Lower case, with diacritics and the strokes of letters set aside (TextFolding).
    static QString fold(const QString& text);
    // The folded words of a text, split at everything that is no letter or digit.
    static QStringList words(const QString& text);

    const std::vector<Phrase>& phrases(Concept meaning) const { return phrases_[meaning]; }
    const std::vector<MonthForm>& months() const { return months_; }
    // The opening of Fyn's reminder in each language, folded: a reply quoting it ends there.
    const QStringList& reminderOpenings() const { return reminderOpenings_; }

private:
    void addPhrases(Concept meaning, const QString& list);
    void addMonthForms(int month, const QString& list);

    std::array<std::vector<Phrase>, ConceptCount> phrases_;
    std::vector<MonthForm> months_;
    QStringList reminderOpenings_;
};

} // namespace fyn
