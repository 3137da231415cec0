#include "DeferredPrinterAccess.h"

#include "PrintingModule.h"
#include "PrivateModule.h"

namespace fyn {

DeferredPrinterAccess::DeferredPrinterAccess() = default;
DeferredPrinterAccess::~DeferredPrinterAccess() = default;

PrinterAccess* DeferredPrinterAccess::loaded() {
    if (!printers_) {
        PrivateModule module(QStringLiteral("printing"));
        if (auto* create =
                module.function<decltype(fynCreatePrinterAccess)>("fynCreatePrinterAccess")) {
            printers_.reset(create());
        }
    }
    return printers_.get();
}

PrinterAccess::Current DeferredPrinterAccess::currentPrinter() {
    PrinterAccess* printers = loaded();
    return printers != nullptr ? printers->currentPrinter() : Current{};
}

bool DeferredPrinterAccess::setUp(QWidget* parent) {
    PrinterAccess* printers = loaded();
    return printers != nullptr && printers->setUp(parent);
}

void DeferredPrinterAccess::proposeOutputFile(const QString& path) {
    if (PrinterAccess* printers = loaded()) {
        printers->proposeOutputFile(path);
    }
}

} // namespace fyn
