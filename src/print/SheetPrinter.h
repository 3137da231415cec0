#pragma once

#include "SheetPrinting.h"

namespace fyn {

class MessageBoxes;
class PrinterAccess;
class StringTable;

// Prints the list on the current printer without a dialog, and runs the printer setup. It
// needs Qt's print support, so the program has it in the module "printing" (PrintingModule).
class SheetPrinter : public SheetPrinting {
public:
    // Every print is laid out at this resolution: the grid's 2-dot lines then have the weight
    // they have on the usual office printers, and print and PDF export share their figures.
    static constexpr int kResolution = 600;

    SheetPrinter(PrinterAccess& printers, MessageBoxes& messages, const StringTable& strings);

    bool PrintSheet(const PrintSource& source) override;
    bool PrinterSetup(QWidget* parent) override;

private:
    PrinterAccess& printers_;
    MessageBoxes& messages_;
    const StringTable& strings_;
};

} // namespace fyn
