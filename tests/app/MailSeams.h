#pragma once

#include "ContactLog.h"
#include "Dialer.h"
#include "MailerFactory.h"
#include "MainDialog.h"
#include "ProcessCommandRunner.h"
#include "QtBusyIndicator.h"
#include "ScriptedPrinterAccess.h"
#include "StringTable.h"

namespace fyn::test {

// The real mail and telephone facilities, for windows whose tests do not send anything, and no
// printer unless one is given; with the test's own seams they make the main window's services.
struct MailSeams {
    MailSeams(Settings& settings, MessageBoxes& messages)
        : settings_(settings), messages_(messages),
          mailers({commands, settings, messages, busy, StringTable::slovak()}),
          dialer(commands, messages, StringTable::slovak()) {}

    MainDialog::Services services(FilePicker& files, Clock& clock, SheetBackup& backup,
                                  PrinterAccess& printerAccess) {
        return {messages_, files,         clock,   settings_, backup,
                *strings,  printerAccess, mailers, dialer,    contactLog};
    }
    MainDialog::Services services(FilePicker& files, Clock& clock, SheetBackup& backup) {
        return services(files, clock, backup, printers);
    }

    Settings& settings_;
    MessageBoxes& messages_;
    ProcessCommandRunner commands;
    QtBusyIndicator busy;
    MailerFactory mailers;
    Dialer dialer;
    ScriptedPrinterAccess printers;
    const StringTable* strings = &StringTable::slovak();
    ContactLog* contactLog = nullptr;
};

} // namespace fyn::test
