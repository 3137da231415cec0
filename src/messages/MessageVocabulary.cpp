#include "MessageVocabulary.h"

#include "InstalledLanguage.h"
#include "Language.h"
#include "StringTable.h"
#include "TextFolding.h"
#include "TextIds.h"

#include <QTranslator>

namespace fyn {

namespace {

constexpr int kMonths = 12;
// Shorter pieces of the reminder's first line would cut a reply at an ordinary "please".
constexpr qsizetype kShortestReminderOpening = 10;

// Texts the tables have already that name a meaning: headings and labels.
struct KnownText {
    MessageVocabulary::Concept meaning;
    int id;
};
constexpr KnownText kKnownTexts[] = {
    {MessageVocabulary::Hours, text::kHoursHeading},
    {MessageVocabulary::Hours, text::kCsvHeadings + 2},
    {MessageVocabulary::Studies, text::kStudiesHeading},
    {MessageVocabulary::Studies, text::kCsvHeadings + 3},
    {MessageVocabulary::Service, text::kInServiceHeading},
    {MessageVocabulary::Service, text::kCsvHeadings + 1},
    {MessageVocabulary::Auxiliary, text::kStatusNames},
    {MessageVocabulary::Auxiliary, text::kCsvHeadings + 4},
    {MessageVocabulary::Auxiliary, text::kAuxiliaryHeading},
    {MessageVocabulary::RemarkLabel, text::kRemarksHeading},
    {MessageVocabulary::RemarkLabel, text::kCsvHeadings + 5},
};

} // namespace

QString MessageVocabulary::fold(const QString& text) {
    return TextFolding::Folded(text);
}

QStringList MessageVocabulary::words(const QString& text) {
    QStringList found;
    QString word;
    for (const QChar c : fold(text)) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            found << word;
            word.clear();
        }
    }
    if (!word.isEmpty()) {
        found << word;
    }
    return found;
}

void MessageVocabulary::addPhrases(Concept meaning, const QString& list) {
    for (const QString& entry : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        Phrase phrase = words(entry);
        if (!phrase.isEmpty() && std::find(phrases_[meaning].begin(), phrases_[meaning].end(),
                                           phrase) == phrases_[meaning].end()) {
            phrases_[meaning].push_back(std::move(phrase));
        }
    }
}

void MessageVocabulary::addMonthForms(int month, const QString& list) {
    for (const QString& entry : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString trimmed = entry.trimmed();
        Phrase phrase = words(trimmed);
        if (phrase.isEmpty()) {
            continue;
        }
        const bool capital = trimmed.front().isUpper();
        const auto known = std::find_if(months_.begin(), months_.end(), [&](const MonthForm& f) {
            return f.words == phrase && f.month == month;
        });
        if (known == months_.end()) {
            months_.push_back({std::move(phrase), month, capital});
        } else {
            known->capitalOnly = known->capitalOnly && capital;
        }
    }
}

void MessageVocabulary::addLanguage(const std::function<QString(int)>& text) {
    for (const KnownText& known : kKnownTexts) {
        addPhrases(known.meaning, text(known.id));
    }
    for (int meaning = 0; meaning < ConceptCount; ++meaning) {
        addPhrases(static_cast<Concept>(meaning), text(text::kMessageWords + meaning));
    }
    for (int month = 0; month < kMonths; ++month) {
        addMonthForms(month, text(text::kMonthNames + month));
        addMonthForms(month, text(text::kMonthNamesInSentence + month));
        addMonthForms(month, text(text::kMonthFormsInMessages + month));
    }
    // The reminder's first line without the month: its longer side of "%1".
    const QString firstLine = text(text::kReminderBody).section(QLatin1Char('\n'), 0, 0);
    QString opening;
    for (const QString& side : firstLine.split(QStringLiteral("%1"))) {
        const QString folded = words(side).join(QLatin1Char(' '));
        if (folded.size() > opening.size()) {
            opening = folded;
        }
    }
    if (opening.size() >= kShortestReminderOpening && !reminderOpenings_.contains(opening)) {
        reminderOpenings_ << opening;
    }
}

const MessageVocabulary& MessageVocabulary::allLanguages() {
    static const MessageVocabulary vocabulary = [] {
        MessageVocabulary built;
        for (const Language& language : Language::all()) {
            if (language.isSlovak()) {
                built.addLanguage([](int id) { return StringTable::slovak().text(id); });
                continue;
            }
            QTranslator translator;
            if (translator.load(InstalledLanguage::resourcePath(language.setting))) {
                built.addLanguage([&translator](int id) {
                    return translator.translate(nullptr, StringTable::translationKey(id));
                });
            }
        }
        return built;
    }();
    return vocabulary;
}

} // namespace fyn
