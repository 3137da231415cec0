#pragma once

#include "PrinterAccess.h"

namespace fyn::test {

// Stands in for the system's printers: none or a given printer. The setup is cancelled.
class ScriptedPrinterAccess : public PrinterAccess {
public:
    Current currentPrinter() override {
        ++lookups;
        if (printer == nullptr) {
            return {State::NoPrinter, nullptr};
        }
        return {State::Ready, printer};
    }
    bool setUp(QWidget* /*parent*/) override {
        ++setups;
        return false;
    }
    void proposeOutputFile(const QString& /*path*/) override {}

    QPrinter* printer = nullptr;
    int lookups = 0;
    int setups = 0;
};

} // namespace fyn::test
