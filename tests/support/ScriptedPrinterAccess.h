#pragma once

#include "PrinterAccess.h"

#include <functional>

namespace fyn::test {

// Stands in for the system's printers: none, a given printer, or a chosen one that is gone.
// The setup dialog is answered by a function that may change the printer it is given.
class ScriptedPrinterAccess : public PrinterAccess {
public:
    Current currentPrinter() override {
        ++lookups;
        if (printer == nullptr) {
            return {State::NoPrinter, nullptr};
        }
        return {gone ? State::ChosenPrinterGone : State::Ready, gone ? nullptr : printer};
    }
    bool setUp(QWidget* /*parent*/) override {
        ++setups;
        return answerSetup ? answerSetup(printer) : false;
    }

    QPrinter* printer = nullptr;
    bool gone = false;
    std::function<bool(QPrinter*&)> answerSetup;
    int lookups = 0;
    int setups = 0;
};

} // namespace fyn::test
