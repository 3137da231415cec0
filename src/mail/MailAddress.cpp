#include "MailAddress.h"

namespace fyn {

namespace {

constexpr qsizetype kLongestAddress = 254;

bool isAsciiLetterOrDigit(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

bool isValidLocalPart(QStringView local) {
    if (local.isEmpty() || local.startsWith(QLatin1Char('.')) || local.endsWith(QLatin1Char('.')) ||
        local.startsWith(QLatin1Char('-')) || local.contains(QLatin1String(".."))) {
        return false;
    }
    for (const QChar c : local) {
        if (!isAsciiLetterOrDigit(c) && !QStringView(u"._%+-").contains(c)) {
            return false;
        }
    }
    return true;
}

bool isValidDomain(QStringView domain) {
    const auto labels = domain.split(QLatin1Char('.'));
    if (labels.size() < 2) {
        return false;
    }
    for (const QStringView label : labels) {
        if (label.isEmpty()) {
            return false;
        }
        for (const QChar c : label) {
            if (!isAsciiLetterOrDigit(c) && c != QLatin1Char('-')) {
                return false;
            }
        }
    }
    return true;
}

// Only the blank and the tab: a no-break space is no blank here, it makes the address invalid.
QString trimBlanks(const QString& text) {
    const auto isBlank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.mid(begin, end - begin);
}

} // namespace

bool MailAddress::IsValid(const QString& address) {
    if (address.size() > kLongestAddress || address.count(QLatin1Char('@')) != 1) {
        return false;
    }
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    return isValidLocalPart(QStringView(address).left(at)) &&
           isValidDomain(QStringView(address).mid(at + 1));
}

QStringList MailAddress::SplitRecipients(const QString& text) {
    QStringList pieces;
    for (const QString& piece : text.split(QLatin1Char(';'))) {
        const QString trimmed = trimBlanks(piece);
        if (!trimmed.isEmpty()) {
            pieces.append(trimmed);
        }
    }
    return pieces;
}

} // namespace fyn
