#pragma once

#include <QString>
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
// The module decodes the sheet's texts with a copy of its own, which must be told the code page
// the program chose: else every printed name is read as Windows-1250.
Q_DECL_EXPORT void fynUsePrintingCodePage(const QString& codePage);
Q_DECL_EXPORT fyn::PrinterAccess* fynCreatePrinterAccess();
Q_DECL_EXPORT fyn::SheetPrinting* fynCreateSheetPrinter(fyn::PrinterAccess& printers,
                                                        fyn::MessageBoxes& messages,
                                                        const fyn::StringTable& strings);
}
