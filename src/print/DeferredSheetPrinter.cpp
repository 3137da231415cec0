#include "DeferredSheetPrinter.h"

#include "MessageBoxes.h"
#include "PrintingModule.h"
#include "PrivateModule.h"
#include "StringTable.h"
#include "TextCodec.h"
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
        auto* useCodePage =
            module.function<decltype(fynUsePrintingCodePage)>("fynUsePrintingCodePage");
        if (create == nullptr || useCodePage == nullptr) {
            messages_.inform(strings_.text(text::kModuleMissing, {module.errorString()}),
                             MessageBoxes::Icon::Warning);
            return nullptr;
        }
        useCodePage(TextCodec::codePage());
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
