#pragma once

#include "SheetPrinting.h"

#include <QString>

class QPrinter;

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
    // A landscape document turns the printer's page for its job only.
    bool PrintDocument(const PagedDocument& document) override;
    // Proposes OutputFile(source) for printing to a file.
    bool PrinterSetup(QWidget* parent, const PrintSource& source) override;

    // <sheet folder>/<sheet name>-<month>.pdf; empty without a sheet file.
    static QString OutputFile(const PrintSource& source);

private:
    bool printToFile(const QPrinter& printer, const PagedDocument& document);

    PrinterAccess& printers_;
    MessageBoxes& messages_;
    const StringTable& strings_;
};

} // namespace fyn
