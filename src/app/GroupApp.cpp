#include "GroupApp.h"

#include "CommandLineTool.h"
#include "ContactLog.h"
#include "CsvExport.h"
#include "Dialer.h"
#include "MailerFactory.h"
#include "MainDialog.h"
#include "PdfExport.h"
#include "ProcessCommandRunner.h"
#include "QtBusyIndicator.h"
#include "QtFilePicker.h"
#include "QtMessageBoxes.h"
#include "QtPrinterAccess.h"
#include "Settings.h"
#include "SheetBackup.h"
#include "StringTable.h"
#include "SystemClock.h"
#include "TextCodec.h"
#include "TextIds.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstring>

namespace fyn {

namespace {

constexpr const char* kUsage =
    "Usage: fyn [SHEET.t09]\n"
    "       fyn --pdf OUT.pdf SHEET.t09\n"
    "       fyn --csv OUT.csv SHEET.t09\n"
    "\n"
    "Fyn collects the monthly field-service reports of a preaching group in the sheet file\n"
    "that the congregation secretary's program sends, and writes the updated sheet back.\n"
    "\n"
    "  SHEET.t09   the sheet to open; without it, the sheet open when Fyn last closed\n"
    "  --pdf OUT.pdf SHEET.t09\n"
    "              write the sheet's list for collecting reports (A4) to OUT.pdf and exit;\n"
    "              no window, no settings, no change to the sheet\n"
    "  --csv OUT.csv SHEET.t09\n"
    "              write the report month's table (one row per publisher and a totals row;\n"
    "              UTF-8, commas) to OUT.csv for spreadsheet programs and exit; no window,\n"
    "              no settings, no change to the sheet\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Settings: $XDG_CONFIG_HOME/fyn/fyn.ini (~/.config/fyn/fyn.ini)\n"
    "  [Mail] Command=msmtp -t      a sendmail-compatible command that sends the mail itself;\n"
    "                               recommended, the only way the .t19 is always attached\n"
    "  [Mail] From=you@example.org  your address (optional; else the mail system sets it)\n"
    "  Without Command, mail opens in the desktop's mail client through xdg-email.\n"
    "Backups:  $XDG_DATA_HOME/fyn/backups (~/.local/share/fyn/backups)\n";

bool hasArgument(int argc, char** argv, const char* wanted) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], wanted) == 0) {
            return true;
        }
    }
    return false;
}

int exportPdf(int argc, char** argv) {
    if (argc != 4 || std::strcmp(argv[1], "--pdf") != 0) {
        std::fputs("Usage: fyn --pdf OUT.pdf SHEET.t09\n", stderr);
        return 1;
    }
    // The paths are taken before Qt sees the arguments, as it removes those it knows.
    const QString output = QFile::decodeName(argv[2]);
    const QString sheet = QFile::decodeName(argv[3]);
    return CommandLineTool::run(argc, argv, CommandLineTool::Needs::Fonts, [&output, &sheet] {
        return PdfExport::Run(output, sheet, SystemClock(), StringTable::slovak());
    });
}

int exportCsv(int argc, char** argv) {
    if (argc != 4 || std::strcmp(argv[1], "--csv") != 0) {
        std::fputs("Usage: fyn --csv OUT.csv SHEET.t09\n", stderr);
        return 1;
    }
    const QString output = QFile::decodeName(argv[2]);
    const QString sheet = QFile::decodeName(argv[3]);
    // A table draws nothing, so it starts no Qt application at all.
    return CommandLineTool::run(argc, argv, CommandLineTool::Needs::Nothing, [&output, &sheet] {
        return CsvExport::Run(output, sheet, SystemClock(), StringTable::slovak());
    });
}

} // namespace

QString GroupApp::commandLineText(const QStringList& arguments) {
    return arguments.join(QLatin1Char(' ')).remove(QLatin1Char('"'));
}

bool GroupApp::displayAvailable() {
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith(QStringLiteral("xcb")) &&
        !platform.startsWith(QStringLiteral("wayland"))) {
        return true;
    }
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

int GroupApp::run(int argc, char** argv) {
    if (hasArgument(argc, argv, "--help") || hasArgument(argc, argv, "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (hasArgument(argc, argv, "--version")) {
        std::printf("Fyn %s\n", FYN_VERSION);
        return 0;
    }
    if (hasArgument(argc, argv, "--pdf")) {
        return exportPdf(argc, argv);
    }
    if (hasArgument(argc, argv, "--csv")) {
        return exportCsv(argc, argv);
    }
    if (!displayAvailable()) {
        std::fputs("Fyn needs a graphical desktop: no display was found (DISPLAY and "
                   "WAYLAND_DISPLAY are not set).\n",
                   stderr);
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fyn"));
    QApplication::setApplicationVersion(QStringLiteral(FYN_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/fyn/fyn.svg")));

    // Qt's own texts (Yes/No buttons, file and print dialogs) in the interface language.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Slovak), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    QtMessageBoxes messages;
    // Without the code page every name would be read and written as wrong bytes; better not
    // to touch the secretary's file at all.
    if (!TextCodec::isAvailable()) {
        std::fprintf(stderr, "%s\n", CommandLineTool::kCodePageMissing);
        messages.inform(StringTable::slovak().text(text::kCodePageMissing),
                        MessageBoxes::Icon::Warning);
        return 1;
    }
    QtFilePicker files;
    SystemClock clock;
    Settings settings(Settings::defaultPath());
    SheetBackup backup(SheetBackup::defaultFolder());
    QtPrinterAccess printers;
    ProcessCommandRunner commands;
    QtBusyIndicator busy;
    const MailerFactory mailers({commands, settings, messages, busy, StringTable::slovak()});
    Dialer dialer(commands, messages, StringTable::slovak());
    // Nothing is opened here: the log's file is first touched by a reminder or a call.
    ContactLog contactLog(ContactLog::defaultPath());
    const MainDialog::Services services{
        messages, files,   clock,  settings,   backup, StringTable::slovak(),
        printers, mailers, dialer, &contactLog};

    MainDialog window(services, commandLineText(QApplication::arguments().mid(1)));
    messages.setParentWidget(&window);
    window.OpenWindow();
    window.exec();
    return 0;
}

} // namespace fyn
