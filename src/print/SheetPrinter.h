#pragma once

#include "PrintSource.h"

#include <QString>

class QPrinter;
class QWidget;

namespace fyn {

class MessageBoxes;
class PrinterAccess;
class StringTable;

// Prints the list on the current printer without a dialog, and runs the printer setup.
class SheetPrinter {
public:
    // Every print is laid out at this resolution: the grid's 2-dot lines then have the weight
    // they have on the usual office printers, and print and PDF export share their figures.
    static constexpr int kResolution = 600;

    SheetPrinter(PrinterAccess& printers, MessageBoxes& messages, const StringTable& strings);

    // True when the job went to the printer or the file; otherwise the user was told why.
    bool PrintSheet(const PrintSource& source);
    // Proposes OutputFile(source) for printing to a file.
    bool PrinterSetup(QWidget* parent, const PrintSource& source);

    // <sheet folder>/<sheet name>-<month>.pdf; empty without a sheet file.
    static QString OutputFile(const PrintSource& source);

private:
    bool printToFile(const QPrinter& printer, const PrintSource& source);

    PrinterAccess& printers_;
    MessageBoxes& messages_;
    const StringTable& strings_;
};

} // namespace fyn
