#pragma once

#include <QtGlobal>

namespace fyn {
class MessageBoxes;
class PrinterAccess;
class SheetPrinting;
class StringTable;
} // namespace fyn

// The entries of the private module "printing": SheetPrinter and QtPrinterAccess with Qt's
// print support, which the program loads at its first print or printer setup through
// DeferredSheetPrinter and DeferredPrinterAccess. The caller owns what they create.
extern "C" {
Q_DECL_EXPORT fyn::PrinterAccess* fynCreatePrinterAccess();
Q_DECL_EXPORT fyn::SheetPrinting* fynCreateSheetPrinter(fyn::PrinterAccess& printers,
                                                        fyn::MessageBoxes& messages,
                                                        const fyn::StringTable& strings);
}
