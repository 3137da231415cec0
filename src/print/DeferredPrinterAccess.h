#pragma once

#include "PrinterAccess.h"

#include <memory>

namespace fyn {

// The system's printers, QtPrinterAccess of the private module "printing", made on the first
// question and kept for the run, so that the printer chosen in the setup stays chosen. Only
// the module's own sheet printer asks, so the module is loaded by then; were it missing, there
// would be no printer.
class DeferredPrinterAccess : public PrinterAccess {
public:
    DeferredPrinterAccess();
    ~DeferredPrinterAccess() override;

    Current currentPrinter() override;
    bool setUp(QWidget* parent) override;
    void proposeOutputFile(const QString& path) override;

private:
    PrinterAccess* loaded();

    std::unique_ptr<PrinterAccess> printers_;
};

} // namespace fyn
