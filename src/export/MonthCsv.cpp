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

// Cells arrive as they stand in the row: texts through MonthCsv::Field, numbers as written.
void appendRow(QString& table, const QStringList& cells) {
    table += cells.join(QLatin1Char(','));
    table += QStringLiteral("\r\n");
}

// A spreadsheet takes a cell that begins so as a formula (a tab or CR before one too), and a
// name or remark comes from the sheet file, which anybody can have written.
bool startsLikeAFormula(const QString& text) {
    static const QString kStarts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && kStarts.contains(text.front());
}

} // namespace

QString MonthCsv::Field(const QString& text) {
    // The apostrophe is what spreadsheets themselves put before a text that must stay text; some
    // show it in the cell, a small price for not running what a sheet smuggles in.
    const QString cell = startsLikeAFormula(text) ? QLatin1Char('\'') + text : text;
    const bool needsQuotes = cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"')) ||
                             cell.contains(QLatin1Char('\r')) || cell.contains(QLatin1Char('\n'));
    if (!needsQuotes) {
        return cell;
    }
    QString doubled = cell;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QByteArray MonthCsv::Compose(const GroupSheet& sheet, const Wording& wording, int month,
                             int yearSlot) {
    QString table;
    QStringList heading;
    for (int id = text::kCsvHeadings; id < text::kCsvHeadings + text::kCsvColumnCount; ++id) {
        heading.append(Field(wording.LoadText(id)));
    }
    appendRow(table, heading);

    MonthTotals totals;
    for (int index = 1; index <= sheet.publisherCount(); ++index) {
        const MonthEntryView entry = sheet.publisher(index).month(month, yearSlot);
        totals.Add(entry);
        appendRow(table, {Field(wording.PublisherName(index, false)), flag(entry.inService()),
                          QString::number(entry.hours()), QString::number(entry.studies()),
                          flag(entry.pioneerStatus() == layout::AuxiliaryPioneer),
                          Field(TextCodec::toUnicode(LookUpRemark(sheet, index, month, yearSlot))),
                          flag(entry.isReported())});
    }
    appendRow(table, {Field(wording.LoadText(text::kCsvTotal)), QString::number(totals.inService),
                      QString::number(totals.hours), QString::number(totals.studies),
                      QString::number(totals.auxiliaryPioneers), QString(),
                      QString::number(totals.reported)});
    return QByteArrayLiteral("\xEF\xBB\xBF") + table.toUtf8();
}

} // namespace fyn
