#include "DeferredSheetPrinter.h"

#include "MessageBoxes.h"
#include "PrintingModule.h"
#include "PrivateModule.h"
#include "StringTable.h"
#include "TextIds.h"

namespace fyn {

DeferredSheetPrinter::DeferredSheetPrinter(PrinterAccess& printers, MessageBoxes& messages,
                                           const StringTable& strings)
    : printers_(printers), messages_(messages), strings_(strings) {}

DeferredSheetPrinter::~DeferredSheetPrinter() = default;

SheetPrinting* DeferredSheetPrinter::loaded() {
    if (!printer_) {
        PrivateModule module(QStringLiteral("printing"));
        auto* create = module.function<decltype(fynCreateSheetPrinter)>("fynCreateSheetPrinter");
        if (create == nullptr) {
            messages_.inform(strings_.text(text::kModuleMissing, {module.errorString()}),
                             MessageBoxes::Icon::Warning);
            return nullptr;
        }
        printer_.reset(create(printers_, messages_, strings_));
    }
    return printer_.get();
}

bool DeferredSheetPrinter::PrintSheet(const PrintSource& source) {
    SheetPrinting* printer = loaded();
    return printer != nullptr && printer->PrintSheet(source);
}

bool DeferredSheetPrinter::PrintDocument(const PagedDocument& document) {
    SheetPrinting* printer = loaded();
    return printer != nullptr && printer->PrintDocument(document);
}

bool DeferredSheetPrinter::PrinterSetup(QWidget* parent, const PrintSource& source) {
    SheetPrinting* printer = loaded();
    return printer != nullptr && printer->PrinterSetup(parent, source);
}

} // namespace fyn
