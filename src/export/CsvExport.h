#pragma once

#include <QString>

namespace fyn {

class Clock;
class StringTable;

// fyn --csv OUT.csv SHEET.t09: the report month's table written to a CSV file, for the
// secretary or group overseer who keeps a spreadsheet. It writes nothing else: no settings, no
// backup, no change to the sheet.
class CsvExport {
public:
    // The month and year slot are those the main window would take for the sheet today. The
    // answer is empty on success, else one line naming the file and the reason.
    static QString Run(const QString& outputPath, const QString& sheetPath, const Clock& clock,
                       const StringTable& strings);
};

} // namespace fyn
