#include "MessageReader.h"

#include "ReportLink.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <set>

namespace fyn {

namespace messagewords {

enum class Kind { Word, Number, Compound, Separator, Break, LineBreak };

struct Token {
    Kind kind;
    qsizetype start;
    qsizetype end;
    QString folded; // a word folded; a number with a decimal point
    bool capital = false;
    bool dotAfter = false;
};

// A phrase found at a token: a concept of the vocabulary, a month or a publisher's name.
struct Mark {
    enum What { None, Concept, Month, Name } what = None;
    int value = 0;
    int length = 0;
};

struct Candidate {
    QStringList words;
    Mark mark;
    bool capitalOnly = false;
};

} // namespace messagewords

// Phrases by their first word.
class PhraseIndex : public QHash<QString, std::vector<messagewords::Candidate>> {};

using namespace messagewords;

namespace {

using Vocabulary = MessageVocabulary;

void addCandidate(PhraseIndex& index, Candidate candidate) {
    if (!candidate.words.isEmpty()) {
        const QString first = candidate.words.front();
        index[first].push_back(std::move(candidate));
    }
}

constexpr int kLongestInteger = 5;
constexpr int kLongestDecimals = 2;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
constexpr qsizetype kShortOrdinaryWord = 3;
// How far after the word for "in service" its yes or no may stand.
constexpr int kAnswerReach = 4;

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isQuoteOrApostrophe(QChar c) {
    return QStringView(u"'\"\u2019\u2018\u201C\u201D\u201E\u00AB\u00BB`").contains(c);
}

std::vector<Token> tokenize(const QString& text) {
    std::vector<Token> tokens;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        const qsizetype start = i;
        if (c.isLetter() || c.isMark()) {
            while (i < n && (text[i].isLetter() || text[i].isMark())) {
                ++i;
            }
            tokens.push_back({Kind::Word, start, i, Vocabulary::fold(text.mid(start, i - start)),
                              c.isUpper(), false});
        } else if (isDigit(c)) {
            qsizetype groups = 1;
            qsizetype lastGroup = 0;
            qsizetype integerDigits = 0;
            bool decimalSeparators = true;
            while (i < n && isDigit(text[i])) {
                ++i;
            }
            integerDigits = i - start;
            while (i + 1 < n && QStringView(u".,:/-").contains(text[i]) && isDigit(text[i + 1])) {
                decimalSeparators = decimalSeparators && (text[i] == u'.' || text[i] == u',');
                const qsizetype groupStart = ++i;
                while (i < n && isDigit(text[i])) {
                    ++i;
                }
                lastGroup = i - groupStart;
                ++groups;
            }
            Token token{Kind::Number,
                        start,
                        i,
                        text.mid(start, i - start),
                        false,
                        i < n && text[i] == u'.'};
            token.folded.replace(QLatin1Char(','), QLatin1Char('.'));
            const bool plain = groups == 1 || (groups == 2 && decimalSeparators &&
                                               lastGroup <= kLongestDecimals && !token.dotAfter);
            const bool signedNumber = start > 0 && text[start - 1] == u'+';
            if (!plain || signedNumber || integerDigits > kLongestInteger) {
                token.kind = Kind::Compound;
            }
            tokens.push_back(token);
        } else {
            ++i;
            if (c == u'\n') {
                tokens.push_back({Kind::LineBreak, start, i, {}});
            } else if (c == u':' || c == u'=' || c == u'-' || c == u'\u2013') {
                tokens.push_back({Kind::Separator, start, i, {}});
            } else if (!c.isSpace() && !isQuoteOrApostrophe(c)) {
                tokens.push_back({Kind::Break, start, i, {}});
            }
        }
    }
    return tokens;
}

// Addresses and web links say nothing about the report; their digits are no figures.
QString withoutAddresses(QString text) {
    static const QRegularExpression addresses(
        QStringLiteral("\\S+@\\S+|\\b[A-Za-z][A-Za-z0-9+.-]*://\\S+|\\bwww\\.\\S+"));
    QRegularExpressionMatchIterator found = addresses.globalMatch(text);
    while (found.hasNext()) {
        const QRegularExpressionMatch match = found.next();
        text.replace(match.capturedStart(), match.capturedLength(),
                     QString(match.capturedLength(), QLatin1Char(' ')));
    }
    return text;
}

// The values one field was given, from the text and the link; one distinct value is clear.
class Values {
public:
    void add(const QString& value) {
        if (!values_.contains(value)) {
            values_ << value;
        }
    }
    bool clear() const { return values_.size() == 1; }
    bool given() const { return !values_.isEmpty(); }
    const QString& value() const { return values_.front(); }

private:
    QStringList values_;
};

class Reading {
public:
    Reading(const QString& text, const PhraseIndex& vocabulary,
            const std::vector<MessageReader::Name>& names)
        : text_(text), tokens_(tokenize(text)), marks_(tokens_.size()), endsAt_(tokens_.size(), -1),
          inRemark_(tokens_.size(), false) {
        findPhrases(vocabulary, names);
    }

    void readInto(MessageReading& reading, ReportLink& link) {
        readRemarks();
        readNumbers();
        readAnswers();
        addLink(link);
        std::set<int> months;
        std::set<int> named;
        bool auxiliary = false;
        for (std::size_t i = 0; i < marks_.size(); ++i) {
            const Mark& mark = marks_[i];
            if (inRemark_[i]) {
                continue;
            }
            if (mark.what == Mark::Month) {
                months.insert(mark.value);
            } else if (mark.what == Mark::Name) {
                named.insert(mark.value);
            } else if (mark.what == Mark::Concept && mark.value == Vocabulary::Auxiliary) {
                auxiliary = true;
            }
        }
        reading.named.assign(named.begin(), named.end());
        reading.figures.auxiliary = auxiliary;
        if (months.size() == 1) {
            reading.figures.month = *months.begin();
        } else if (months.size() > 1) {
            reading.unclear.push_back(MessageReading::Month);
        }
        finish(reading);
    }

private:
    void findPhrases(const PhraseIndex& vocabulary, const std::vector<MessageReader::Name>& names) {
        PhraseIndex named;
        for (std::size_t index = 0; index < names.size(); ++index) {
            const QStringList first = Vocabulary::words(names[index].first);
            const QStringList surname = Vocabulary::words(names[index].surname);
            if (first.isEmpty() || surname.isEmpty()) {
                continue;
            }
            const Mark mark{Mark::Name, int(index), int(first.size() + surname.size())};
            addCandidate(named, {first + surname, mark});
            addCandidate(named, {surname + first, mark});
        }

        for (std::size_t i = 0; i < tokens_.size(); ++i) {
            if (tokens_[i].kind != Kind::Word) {
                continue;
            }
            Mark best;
            for (const PhraseIndex* index :
                 {&vocabulary, static_cast<const PhraseIndex*>(&named)}) {
                const auto found = index->constFind(tokens_[i].folded);
                if (found == index->constEnd()) {
                    continue;
                }
                for (const Candidate& candidate : *found) {
                    if (candidate.mark.length > best.length && matches(i, candidate)) {
                        best = candidate.mark;
                    }
                }
            }
            if (best.what != Mark::None) {
                marks_[i] = best;
                endsAt_[i + std::size_t(best.length) - 1] = int(i);
                i += std::size_t(best.length) - 1;
            }
        }
    }

    bool matches(std::size_t at, const Candidate& candidate) const {
        if (at + std::size_t(candidate.words.size()) > tokens_.size()) {
            return false;
        }
        for (qsizetype k = 0; k < candidate.words.size(); ++k) {
            const Token& token = tokens_[at + std::size_t(k)];
            if (token.kind != Kind::Word || token.folded != candidate.words[k]) {
                return false;
            }
        }
        // "may" in a sentence is no month; "May" is.
        const Token& first = tokens_[at];
        return !(candidate.capitalOnly && candidate.words.size() == 1 && !first.capital &&
                 first.folded.size() <= kShortOrdinaryWord);
    }

    const Mark* markStartingAt(std::size_t i) const {
        return i < marks_.size() && marks_[i].what != Mark::None ? &marks_[i] : nullptr;
    }
    const Mark* markEndingAt(std::size_t i) const {
        return i < endsAt_.size() && endsAt_[i] >= 0 ? &marks_[std::size_t(endsAt_[i])] : nullptr;
    }
    bool isConcept(const Mark* mark, Vocabulary::Concept meaning) const {
        return mark != nullptr && mark->what == Mark::Concept && mark->value == meaning;
    }
    bool isKind(std::size_t i, Kind kind) const {
        return i < tokens_.size() && tokens_[i].kind == kind;
    }

    // A remark is only what a label introduces with a colon: the rest of its line.
    void readRemarks() {
        for (std::size_t i = 0; i < marks_.size(); ++i) {
            if (!isConcept(&marks_[i], Vocabulary::RemarkLabel) || inRemark_[i]) {
                continue;
            }
            const std::size_t separator = i + std::size_t(marks_[i].length);
            if (!isKind(separator, Kind::Separator) || text_[tokens_[separator].start] == u'-') {
                continue;
            }
            qsizetype lineEnd = text_.indexOf(QLatin1Char('\n'), tokens_[separator].end);
            if (lineEnd < 0) {
                lineEnd = text_.size();
            }
            remarks_.add(
                text_.mid(tokens_[separator].end, lineEnd - tokens_[separator].end).simplified());
            for (std::size_t j = i; j < tokens_.size() && tokens_[j].start < lineEnd; ++j) {
                inRemark_[j] = true;
            }
        }
    }

    bool isNumberLike(std::size_t i) const {
        return isKind(i, Kind::Number) || isKind(i, Kind::Compound);
    }

    // Part of a telephone number or of a date written with blanks ("3. 11. 2026"): no figure
    // and nothing unclear either.
    bool isPartOfSomethingElse(std::size_t i) const {
        const Token& token = tokens_[i];
        if ((i > 0 && isNumberLike(i - 1)) || isNumberLike(i + 1)) {
            return true;
        }
        const bool dottedBefore =
            i >= 2 && isKind(i - 1, Kind::Break) && isNumberLike(i - 2) && tokens_[i - 2].dotAfter;
        const bool dottedAfter = token.dotAfter && isNumberLike(i + 2);
        if ((dottedBefore && (token.dotAfter || (i >= 4 && tokens_[i - 4].dotAfter))) ||
            (dottedAfter && tokens_[i + 2].dotAfter)) {
            return true;
        }
        return false;
    }

    // Beside a month's name a number without its word is part of a date ("3. novembra").
    bool isDay(std::size_t i) const {
        const auto isMonth = [](const Mark* mark) { return mark && mark->what == Mark::Month; };
        return (i > 0 && isMonth(markEndingAt(i - 1))) || isMonth(markStartingAt(i + 1)) ||
               (tokens_[i].dotAfter && isMonth(markStartingAt(i + 2)));
    }

    static bool isField(const Mark* mark) {
        return mark != nullptr && mark->what == Mark::Concept &&
               (mark->value == Vocabulary::Hours || mark->value == Vocabulary::Studies ||
                mark->value == Vocabulary::Credit);
    }

    void readNumbers() {
        struct Bound {
            std::size_t token;
            const Mark* before;
            bool labelled;
            const Mark* after;
        };
        std::vector<Bound> numbers;
        std::size_t firstField = tokens_.size();
        for (std::size_t i = 0; i < tokens_.size(); ++i) {
            if (inRemark_[i]) {
                continue;
            }
            if (isField(markStartingAt(i)) && firstField == tokens_.size()) {
                firstField = i;
            }
            if (tokens_[i].kind != Kind::Number || isPartOfSomethingElse(i)) {
                continue;
            }
            std::size_t j = i;
            bool labelled = false;
            while (j > 0 && isKind(j - 1, Kind::Separator)) {
                labelled = labelled || text_[tokens_[j - 1].start] != u'-';
                --j;
            }
            const Mark* before = j > 0 && !inRemark_[j - 1] ? markEndingAt(j - 1) : nullptr;
            const Mark* after = markStartingAt(i + 1);
            numbers.push_back({i, isField(before) ? before : nullptr, labelled,
                               isField(after) ? after : nullptr});
        }
        // A number between two words belongs to the one after it when the message writes its
        // words after the numbers ("12 hours 2 studies").
        const bool wordsAfter = !numbers.empty() && firstField > numbers.front().token;
        for (const Bound& number : numbers) {
            const Token& token = tokens_[number.token];
            const Mark* field = number.before ? number.before : number.after;
            if (number.before && number.after && !number.labelled && wordsAfter) {
                field = number.after;
            }
            if (field == nullptr) {
                const int value = token.folded.toInt();
                const bool year =
                    token.folded.size() == 4 && value >= kFirstYear && value <= kLastYear;
                if (!year && !isDay(number.token)) {
                    unbound_ << text_.mid(token.start, token.end - token.start);
                }
                continue;
            }
            fieldValues(field->value).add(token.folded);
        }
    }

    Values& fieldValues(int meaning) {
        return meaning == Vocabulary::Hours     ? hours_
               : meaning == Vocabulary::Studies ? studies_
                                                : credit_;
    }

    // An explicit yes or no shortly after the words for "in service".
    void readAnswers() {
        for (std::size_t i = 0; i < marks_.size(); ++i) {
            if (!isConcept(&marks_[i], Vocabulary::Service) || inRemark_[i]) {
                continue;
            }
            std::size_t j = i + std::size_t(marks_[i].length);
            for (int reach = 0; reach < kAnswerReach && j < tokens_.size(); ++reach) {
                if (tokens_[j].kind == Kind::Break || tokens_[j].kind == Kind::LineBreak) {
                    break;
                }
                if (isConcept(markStartingAt(j), Vocabulary::Yes)) {
                    service_.add(QStringLiteral("1"));
                    break;
                }
                if (isConcept(markStartingAt(j), Vocabulary::No)) {
                    service_.add(QStringLiteral("0"));
                    break;
                }
                j += marks_[j].what == Mark::None ? 1 : std::size_t(marks_[j].length);
            }
        }
    }

    void addLink(const ReportLink& link) {
        if (link.start < 0) {
            return;
        }
        if (link.sharedInMinistry) {
            service_.add(*link.sharedInMinistry ? QStringLiteral("1") : QStringLiteral("0"));
        }
        if (!link.hours.isEmpty()) {
            hours_.add(link.hours);
        }
        if (link.bibleStudies) {
            studies_.add(QString::number(*link.bibleStudies));
        }
        if (link.credit) {
            credit_.add(QString::number(*link.credit));
        }
        if (link.remarks && !link.remarks->isEmpty()) {
            remarks_.add(*link.remarks);
        }
        linkInvalid_ = link.invalid;
    }

    static std::optional<int> whole(const QString& value) {
        bool ok = false;
        const int number = value.toInt(&ok);
        return ok ? std::optional<int>(number) : std::nullopt;
    }

    void finish(MessageReading& reading) {
        ReportFigures& figures = reading.figures;
        const auto unclear = [&reading](MessageReading::Field field) {
            if (std::find(reading.unclear.begin(), reading.unclear.end(), field) ==
                reading.unclear.end()) {
                reading.unclear.push_back(field);
            }
        };
        // A link's value that its name does not take leaves the field unclear, whatever else
        // the message says of it.
        for (const QString& name : linkInvalid_) {
            unclear(name == QLatin1String("hours")          ? MessageReading::Hours
                    : name == QLatin1String("bibleStudies") ? MessageReading::Studies
                    : name == QLatin1String("credit")       ? MessageReading::Credit
                                                            : MessageReading::InService);
        }
        const auto clear = [&reading](const Values& values, MessageReading::Field field) {
            return values.clear() && std::find(reading.unclear.begin(), reading.unclear.end(),
                                               field) == reading.unclear.end();
        };
        if (clear(hours_, MessageReading::Hours)) {
            figures.hours = hours_.value();
        } else if (hours_.given()) {
            unclear(MessageReading::Hours);
        }
        const auto wholeField = [&](const Values& values, std::optional<int>& target,
                                    MessageReading::Field field) {
            if (clear(values, field) && whole(values.value())) {
                target = whole(values.value());
            } else if (values.given()) {
                unclear(field);
            }
        };
        wholeField(studies_, figures.studies, MessageReading::Studies);
        wholeField(credit_, figures.credit, MessageReading::Credit);
        // Hours or studies given mean the publisher was in service.
        if (figures.hours.toDouble() > 0 || figures.studies.value_or(0) > 0) {
            service_.add(QStringLiteral("1"));
        }
        if (clear(service_, MessageReading::InService)) {
            figures.inService = service_.value() == QLatin1String("1");
        } else if (service_.given()) {
            unclear(MessageReading::InService);
        }
        if (remarks_.clear()) {
            figures.remark = remarks_.value();
        } else if (remarks_.given()) {
            unclear(MessageReading::Remark);
        }
        reading.unboundNumbers = unbound_;
    }

    const QString& text_;
    std::vector<Token> tokens_;
    std::vector<Mark> marks_;
    // For each token that ends a phrase, the token where it starts.
    std::vector<int> endsAt_;
    std::vector<bool> inRemark_;
    Values hours_, studies_, credit_, service_, remarks_;
    QStringList unbound_;
    QStringList linkInvalid_;
};

} // namespace

bool MessageReading::read(Field field) const {
    switch (field) {
    case Month:
        return figures.month.has_value();
    case InService:
        return figures.inService.has_value();
    case Hours:
        return !figures.hours.isEmpty();
    case Studies:
        return figures.studies.has_value();
    case Credit:
        return figures.credit.has_value();
    case Remark:
        return figures.remark.has_value();
    }
    return false;
}

MessageReader::MessageReader(const MessageVocabulary& vocabulary)
    : vocabulary_(vocabulary), index_(std::make_shared<PhraseIndex>()) {
    for (int meaning = 0; meaning < Vocabulary::ConceptCount; ++meaning) {
        for (const Vocabulary::Phrase& phrase :
             vocabulary.phrases(static_cast<Vocabulary::Concept>(meaning))) {
            addCandidate(*index_, {phrase, {Mark::Concept, meaning, int(phrase.size())}});
        }
    }
    for (const Vocabulary::MonthForm& form : vocabulary.months()) {
        addCandidate(
            *index_,
            {form.words, {Mark::Month, form.month, int(form.words.size())}, form.capitalOnly});
    }
}

MessageReading MessageReader::Read(const QString& text, const std::vector<Name>& names) const {
    QString own = OwnPart(text);
    ReportLink link = ReportLink::Find(own);
    if (link.start >= 0) {
        own.replace(link.start, link.length, QString(link.length, QLatin1Char('\n')));
    }
    own = withoutAddresses(own);
    MessageReading reading;
    Reading(own, *index_, names).readInto(reading, link);
    return reading;
}

QString MessageReader::OwnPart(const QString& text) const {
    QStringList kept;
    const QStringList lines = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    const auto dropIntroduction = [&kept] {
        while (!kept.isEmpty() && kept.back().trimmed().isEmpty()) {
            kept.removeLast();
        }
        if (!kept.isEmpty() && kept.back().trimmed().endsWith(QLatin1Char(':'))) {
            kept.removeLast();
        }
    };
    bool quoting = false;
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed == QLatin1String("--") || trimmed.startsWith(QLatin1String("-----")) ||
            trimmed.startsWith(QLatin1String("_____"))) {
            break;
        }
        const QString folded = MessageVocabulary::words(line).join(QLatin1Char(' '));
        if (std::any_of(vocabulary_.reminderOpenings().begin(),
                        vocabulary_.reminderOpenings().end(),
                        [&folded](const QString& opening) { return folded.contains(opening); })) {
            dropIntroduction();
            break;
        }
        if (trimmed.startsWith(QLatin1Char('>'))) {
            if (!quoting) {
                dropIntroduction();
            }
            quoting = true;
            continue;
        }
        quoting = false;
        kept << line;
    }
    return kept.join(QLatin1Char('\n'));
}

} // namespace fyn
