#include "GroupApp.h"

#include "Dialer.h"
#include "InstalledLanguage.h"
#include "Language.h"
#include "LanguageChoice.h"
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
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <cstring>

namespace fyn {

namespace {

constexpr const char* kUsage =
    "Usage: fyn [SHEET.t09]\n"
    "       fyn --pdf OUT.pdf SHEET.t09\n"
    "\n"
    "Fyn collects the monthly field-service reports of a preaching group in the sheet file\n"
    "that the congregation secretary's program sends, and writes the updated sheet back.\n"
    "\n"
    "  SHEET.t09   the sheet to open; without it, the sheet open when Fyn last closed\n"
    "  --pdf OUT.pdf SHEET.t09\n"
    "              write the sheet's list for collecting reports (A4) to OUT.pdf and exit;\n"
    "              no window, no change to the settings or the sheet\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Settings: $XDG_CONFIG_HOME/fyn/fyn.ini (~/.config/fyn/fyn.ini)\n"
    "  [Mail] Command=msmtp -t      a sendmail-compatible command that sends the mail itself;\n"
    "                               recommended, the only way the .t19 is always attached\n"
    "  [Mail] From=you@example.org  your address (optional; else the mail system sets it)\n"
    "  Without Command, mail opens in the desktop's mail client through xdg-email.\n"
    "  [Interface] Language=cs      sk cs pl fr el tr et en; else the locale's, else sk\n"
    "  [Interface] CodePage=windows-1252  the sheet's code page, if not the language's\n"
    "Backups:  $XDG_DATA_HOME/fyn/backups (~/.local/share/fyn/backups)\n";

bool hasArgument(int argc, char** argv, const char* wanted) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], wanted) == 0) {
            return true;
        }
    }
    return false;
}

void reportMissingCodePage() {
    std::fprintf(stderr,
                 "Fyn cannot run: the ICU data for the %s code page is missing "
                 "(Debian package libicu72). No sheet was read or written.\n",
                 qPrintable(TextCodec::codePage()));
}

// The interface language and the sheets' code page from the settings, which are only read.
// False, after telling why on the terminal, when the settings are refused or the code page is
// missing.
bool useChosenLanguage(const LanguageChoice& choice, const Settings& settings) {
    if (choice.isRefused()) {
        std::fputs(qPrintable(choice.terminalMessage(settings.path())), stderr);
        return false;
    }
    TextCodec::useCodePage(choice.codePage());
    if (!TextCodec::isAvailable()) {
        reportMissingCodePage();
        return false;
    }
    return true;
}

int exportPdf(int argc, char** argv) {
    if (argc != 4 || std::strcmp(argv[1], "--pdf") != 0) {
        std::fputs("Usage: fyn --pdf OUT.pdf SHEET.t09\n", stderr);
        return 1;
    }
    // The export draws no window, so it needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The paths are taken before Qt sees the arguments, as it removes those it knows.
    const QString output = QFile::decodeName(argv[2]);
    const QString sheet = QFile::decodeName(argv[3]);
    QGuiApplication application(argc, argv);
    const Settings settings(Settings::defaultPath());
    const LanguageChoice choice =
        LanguageChoice::fromSettings(settings, QLocale::system().language());
    const InstalledLanguage language(choice.language());
    if (!useChosenLanguage(choice, settings)) {
        return 1;
    }
    SystemClock clock;
    const QString error = PdfExport::Run(output, sheet, clock, StringTable::translated());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "fyn: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
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

    // Our texts and Qt's own (buttons, file and print dialogs) in the interface language.
    Settings settings(Settings::defaultPath());
    const LanguageChoice choice =
        LanguageChoice::fromSettings(settings, QLocale::system().language());
    const InstalledLanguage language(choice.language());
    const StringTable strings = StringTable::translated();

    QtMessageBoxes messages;
    // Without the right code page every name would be read and written as wrong bytes; better
    // not to touch the secretary's file at all.
    if (!useChosenLanguage(choice, settings)) {
        messages.inform(choice.isRefused()
                            ? choice.windowMessage(strings, settings.path())
                            : strings.text(text::kCodePageMissing, {TextCodec::codePage()}),
                        MessageBoxes::Icon::Warning);
        return 1;
    }
    QtFilePicker files;
    SystemClock clock;
    SheetBackup backup(SheetBackup::defaultFolder());
    QtPrinterAccess printers;
    ProcessCommandRunner commands;
    QtBusyIndicator busy;
    const MailerFactory mailers({commands, settings, messages, busy, strings});
    Dialer dialer(commands, messages, strings);
    const MainDialog::Services services{messages, files,    clock,   settings, backup,
                                        strings,  printers, mailers, dialer};

    MainDialog window(services, commandLineText(QApplication::arguments().mid(1)));
    messages.setParentWidget(&window);
    window.OpenWindow();
    window.exec();
    return 0;
}

} // namespace fyn
