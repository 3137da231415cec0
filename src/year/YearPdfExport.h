#pragma once

#include <QString>

namespace fyn {

class Clock;
class StringTable;

// fyn --year-pdf OUT.pdf SHEET.t09: the group's year as the window prints it, without a window,
// by the rules of fyn --pdf: nothing but the PDF is written.
class YearPdfExport {
public:
    // Empty on success, else one line naming the file and the reason.
    static QString Run(const QString& outputPath, const QString& sheetPath, const Clock& clock,
                       const StringTable& strings);
};

} // namespace fyn
