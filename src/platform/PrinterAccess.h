#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace fyn {

// The application's current printer for the whole run, never stored in the settings. Until
// the setup chooses one, the system's default is looked up afresh at each print, so a printer
// added while Fyn runs is used.
class PrinterAccess {
public:
    enum class State {
        Ready,
        // No printer is installed and none was chosen.
        NoPrinter,
        // The chosen printer no longer exists; printing elsewhere would surprise the user.
        ChosenPrinterGone,
    };

    struct Current {
        State state = State::NoPrinter;
        // Owned by the access object; valid until the next call. Null unless Ready.
        QPrinter* printer = nullptr;
    };

    virtual ~PrinterAccess() = default;

    virtual Current currentPrinter() = 0;
    // The printer-setup dialog over parent. Accepting makes its printer, with the paper,
    // orientation and other settings chosen, the current one; cancelling changes nothing.
    virtual bool setUp(QWidget* parent) = 0;
    // The file the setup offers for printing to a PDF file until the user has chosen one.
    virtual void proposeOutputFile(const QString& path) = 0;
};

} // namespace fyn
