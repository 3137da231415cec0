#pragma once

#include <QString>

namespace fyn {

class Clock;
class StringTable;

// fyn --pdf OUT.pdf SHEET.t09: the printed list of a sheet written to a PDF file, for the
// people who pass it on by e-mail or messenger and for scripts. It writes nothing else: no
// settings, no backup, no change to the sheet.
class PdfExport {
public:
    // The month and year slot are those the main window would take for the sheet today. The
    // answer is empty on success, else one line naming the file and the reason.
    static QString Run(const QString& outputPath, const QString& sheetPath, const Clock& clock,
                       const StringTable& strings);
};

} // namespace fyn
