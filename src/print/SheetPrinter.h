#pragma once

#include "PrintSource.h"

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

    // True when the job went to the printer; otherwise the user was told why.
    bool PrintSheet(const PrintSource& source);
    bool PrinterSetup(QWidget* parent);

private:
    PrinterAccess& printers_;
    MessageBoxes& messages_;
    const StringTable& strings_;
};

} // namespace fyn
