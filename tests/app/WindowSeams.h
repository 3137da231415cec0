#pragma once

#include "FakeSeams.h"
#include "MailSeams.h"
#include "RecordingMessageBoxes.h"
#include "Settings.h"
#include "SheetBackup.h"

#include <QTemporaryDir>
#include <memory>

namespace fyn::test {

// What the main window is given, in a folder of its own: recorded messages, a scripted file
// picker, a fixed date, the settings and the backups in that folder, the real mail and telephone.
struct WindowSeams {
    explicit WindowSeams(QDate today) : clock(today) {}

    QString path(const QString& name) const { return dir.filePath(name); }

    // The main window on the command line given, opened and shown.
    std::unique_ptr<MainDialog> open(const QString& commandLine) {
        auto window =
            std::make_unique<MainDialog>(mail.services(files, clock, backup), commandLine);
        window->OpenWindow();
        window->show();
        return window;
    }

    QTemporaryDir dir;
    RecordingMessageBoxes messages;
    ScriptedFilePicker files;
    FixedClock clock;
    Settings settings{path(QStringLiteral("config/fyn.ini"))};
    SheetBackup backup{path(QStringLiteral("backups"))};
    MailSeams mail{settings, messages};
};

} // namespace fyn::test
