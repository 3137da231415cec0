#include "PrintingModule.h"

#include "QtPrinterAccess.h"
#include "SheetPrinter.h"

fyn::PrinterAccess* fynCreatePrinterAccess() {
    return new fyn::QtPrinterAccess;
}

fyn::SheetPrinting* fynCreateSheetPrinter(fyn::PrinterAccess& printers, fyn::MessageBoxes& messages,
                                          const fyn::StringTable& strings) {
    return new fyn::SheetPrinter(printers, messages, strings);
}
