#include "Wording.h"

#include "GroupSheet.h"
#include "StringTable.h"
#include "TextIds.h"

#include <QStringBuilder>

namespace fyn {

Wording::Wording(const StringTable& strings, const GroupSheet& sheet)
    : strings_(strings), sheet_(sheet), languageCode_(strings.text(text::kLanguageCode)) {}

QString Wording::LoadText(int id, int argId) const {
    return argId == 0 ? strings_.text(id) : strings_.text(id, {strings_.text(argId)});
}

QString Wording::MonthName(int month, bool elided) const {
    if (!elided) {
        return strings_.text(text::kMonthNames + month);
    }
    const QString name = strings_.text(text::kMonthNamesInSentence + month);
    if (languageCode_ != QStringLiteral("french")) {
        return name;
    }
    const bool vowel = name.startsWith(QLatin1Char('a')) || name.startsWith(QLatin1Char('o'));
    return (vowel ? QStringLiteral("d'") : QStringLiteral("de ")) + name;
}

QString Wording::PublisherName(int index, bool listForm) const {
    const PublisherView publisher = sheet_.publisher(index);
    const QString firstName = publisher.firstName();
    const QString surname = publisher.surname();
    // One allocation for the whole name: the lists ask for every publisher's.
    if (listForm || languageCode_ == QStringLiteral("cz")) {
        return surname % u", " % firstName;
    }
    return firstName % u' ' % surname;
}

} // namespace fyn
