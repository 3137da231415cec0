#include "MonthCsv.h"

#include "GroupSheet.h"
#include "MonthTotals.h"
#include "Remarks.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "Wording.h"

#include <QStringList>

namespace fyn {

namespace {

QString flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

void appendRow(QString& table, const QStringList& fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields) {
        quoted.append(MonthCsv::Field(field));
    }
    table += quoted.join(QLatin1Char(','));
    table += QStringLiteral("\r\n");
}

} // namespace

QString MonthCsv::Field(const QString& text) {
    const bool needsQuotes = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                             text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    if (!needsQuotes) {
        return text;
    }
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QByteArray MonthCsv::Compose(const GroupSheet& sheet, const Wording& wording, int month,
                             int yearSlot) {
    QString table;
    QStringList heading;
    for (int id = text::kCsvHeadings; id < text::kCsvHeadings + text::kCsvColumnCount; ++id) {
        heading.append(wording.LoadText(id));
    }
    appendRow(table, heading);

    MonthTotals totals;
    for (int index = 1; index <= sheet.publisherCount(); ++index) {
        const MonthEntryView entry = sheet.publisher(index).month(month, yearSlot);
        totals.Add(entry);
        appendRow(table, {wording.PublisherName(index, false), flag(entry.inService()),
                          QString::number(entry.hours()), QString::number(entry.studies()),
                          flag(entry.pioneerStatus() == layout::AuxiliaryPioneer),
                          TextCodec::toUnicode(LookUpRemark(sheet, index, month, yearSlot)),
                          flag(entry.isReported())});
    }
    appendRow(table, {wording.LoadText(text::kCsvTotal), QString::number(totals.inService),
                      QString::number(totals.hours), QString::number(totals.studies),
                      QString::number(totals.auxiliaryPioneers), QString(),
                      QString::number(totals.reported)});
    return QByteArrayLiteral("\xEF\xBB\xBF") + table.toUtf8();
}

} // namespace fyn
