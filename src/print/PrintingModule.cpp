#include "PrintingModule.h"

#include "QtPrinterAccess.h"
#include "SheetPrinter.h"
#include "TextCodec.h"

void fynUsePrintingCodePage(const QString& codePage) {
    fyn::TextCodec::useCodePage(codePage);
}

fyn::PrinterAccess* fynCreatePrinterAccess() {
    return new fyn::QtPrinterAccess;
}

fyn::SheetPrinting* fynCreateSheetPrinter(fyn::PrinterAccess& printers, fyn::MessageBoxes& messages,
                                          const fyn::StringTable& strings) {
    return new fyn::SheetPrinter(printers, messages, strings);
}
