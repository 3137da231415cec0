#pragma once

#include "Dialer.h"
#include "MailerFactory.h"
#include "ProcessCommandRunner.h"
#include "QtBusyIndicator.h"
#include "ScriptedPrinterAccess.h"
#include "StringTable.h"

namespace fyn::test {

// The real mail and telephone facilities, for windows whose tests do not send anything, and no
// printer.
struct MailSeams {
    MailSeams(const Settings& settings, MessageBoxes& messages)
        : mailers({commands, settings, messages, busy, StringTable::slovak()}),
          dialer(commands, messages, StringTable::slovak()) {}

    ProcessCommandRunner commands;
    QtBusyIndicator busy;
    MailerFactory mailers;
    Dialer dialer;
    ScriptedPrinterAccess printers;
};

} // namespace fyn::test
