#include "ReportLink.h"

#include <QRegularExpression>
#include <QUrl>

namespace fyn {

namespace {

// Five digits reach the largest hours a month can hold; a credit is one byte, studies ten bits.
const QRegularExpression& hoursValue() {
    static const QRegularExpression pattern(QStringLiteral("^\\d{1,5}([.,]\\d{1,2})?$"));
    return pattern;
}

std::optional<int> wholeNumber(const QString& value, qsizetype maxDigits) {
    if (value.isEmpty() || value.size() > maxDigits ||
        !std::all_of(value.begin(), value.end(), [](QChar c) { return c.isDigit(); })) {
        return std::nullopt;
    }
    return value.toInt();
}

} // namespace

ReportLink ReportLink::Find(const QString& text) {
    static const QRegularExpression link(QStringLiteral("\\S*/report/(\\S*)"));
    ReportLink found;
    const QRegularExpressionMatch match = link.match(text);
    if (!match.hasMatch()) {
        return found;
    }
    found.start = match.capturedStart();
    found.length = match.capturedLength();
    for (const QString& pair : match.captured(1).split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        const QString value = pair.section(QLatin1Char('='), 1);
        bool valid = true;
        if (name == QLatin1String("sharedInMinistry")) {
            valid = value == QLatin1String("true") || value == QLatin1String("false");
            if (valid) {
                found.sharedInMinistry = value == QLatin1String("true");
            }
        } else if (name == QLatin1String("hours")) {
            valid = hoursValue().match(value).hasMatch();
            if (valid) {
                found.hours = QString(value).replace(QLatin1Char(','), QLatin1Char('.'));
            }
        } else if (name == QLatin1String("bibleStudies")) {
            found.bibleStudies = wholeNumber(value, 4);
            valid = found.bibleStudies.has_value();
        } else if (name == QLatin1String("credit")) {
            found.credit = wholeNumber(value, 3);
            valid = found.credit.has_value();
        } else if (name == QLatin1String("remarks")) {
            found.remarks = QUrl::fromPercentEncoding(
                                QString(value).replace(QLatin1Char('+'), QLatin1Char(' ')).toUtf8())
                                .simplified();
        }
        if (!valid) {
            found.invalid << name;
        }
    }
    return found;
}

} // namespace fyn
