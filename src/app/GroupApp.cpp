#include "GroupApp.h"

#include "CommandLineTool.h"
#include "CsvExport.h"
#include "DeferredContactLog.h"
#include "DeferredGroupYear.h"
#include "DeferredPrinterAccess.h"
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
#include "Settings.h"
#include "SheetBackup.h"
#include "StringTable.h"
#include "SystemClock.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "WindowIcon.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace fyn {

namespace {

// What programs answer to arguments they cannot take.
constexpr int kUsageError = 2;

constexpr const char* kUsage =
    "Usage: fyn [SHEET.t09]\n"
    "       fyn --pdf OUT.pdf SHEET.t09\n"
    "       fyn --csv OUT.csv SHEET.t09\n"
    "       fyn --year-pdf OUT.pdf SHEET.t09\n"
    "\n"
    "Fyn collects the monthly field-service reports of a preaching group in the sheet file\n"
    "that the congregation secretary's program sends, and writes the updated sheet back.\n"
    "\n"
    "  SHEET.t09   the sheet to open; without it, the sheet open when Fyn last closed\n"
    "  --pdf OUT.pdf SHEET.t09\n"
    "              write the sheet's list for collecting reports (A4) to OUT.pdf and exit;\n"
    "              no window, no change to the settings or the sheet; OUT - is stdout\n"
    "  --csv OUT.csv SHEET.t09\n"
    "              write the report month's table (one row per publisher and a totals row;\n"
    "              UTF-8, commas) to OUT.csv for spreadsheet programs and exit; no window,\n"
    "              no change to the settings or the sheet; OUT - is stdout\n"
    "  --year-pdf OUT.pdf SHEET.t09\n"
    "              write the group's last twelve months (who reported, who became irregular\n"
    "              or inactive, the group's monthly totals; A4 landscape) to OUT.pdf and exit;\n"
    "              no window, no change to the settings or the sheet; OUT - is stdout\n"
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

// The options Fyn knows; any other argument that begins with "--" is a typing error, which must
// not be taken for part of a sheet's path.
constexpr const char* kOptions[] = {"--help", "--version", "--pdf", "--csv", "--year-pdf"};

const char* unknownOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--", 2) == 0 &&
            std::none_of(std::begin(kOptions), std::end(kOptions),
                         [&](const char* known) { return std::strcmp(argv[i], known) == 0; })) {
            return argv[i];
        }
    }
    return nullptr;
}

bool hasArgument(int argc, char** argv, const char* wanted) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], wanted) == 0) {
            return true;
        }
    }
    return false;
}

// The interface language and the sheets' code page from the settings, which are only read.
// An empty text when both can be used, else the line that says why not.
QString useChosenLanguage(const LanguageChoice& choice, const Settings& settings) {
    if (choice.isRefused()) {
        return choice.terminalMessage(settings.path()).trimmed();
    }
    TextCodec::useCodePage(choice.codePage());
    if (!TextCodec::isAvailable()) {
        return QStringLiteral("Fyn cannot run: the ICU data for the %1 code page is missing "
                              "(Debian package libicu72). No sheet was read or written.")
            .arg(TextCodec::codePage());
    }
    return {};
}

using Export = QString (*)(const QString& output, const QString& sheet, const Clock& clock,
                           const StringTable& strings);

// fyn --pdf and fyn --csv: the same choice of language as the window, no settings written.
int runExport(int argc, char** argv, const char* option, CommandLineTool::Needs needs,
              Export exporter) {
    if (argc != 4 || std::strcmp(argv[1], option) != 0) {
        // The file type is the option's last word: --pdf and --year-pdf both write a PDF.
        std::fprintf(stderr, "Usage: fyn %s OUT.%s SHEET.t09\n", option,
                     std::strrchr(option, '-') + 1);
        return kUsageError;
    }
    // The paths are taken before Qt sees the arguments, as it removes those it knows.
    const QString output = QFile::decodeName(argv[2]);
    const QString sheet = QFile::decodeName(argv[3]);
    return CommandLineTool::run(argc, argv, needs, [&output, &sheet, exporter]() -> QString {
        const Settings settings(Settings::defaultPath());
        const LanguageChoice choice =
            LanguageChoice::fromSettings(settings, QLocale::system().language());
        const InstalledLanguage language(choice.language());
        if (const QString refused = useChosenLanguage(choice, settings); !refused.isEmpty()) {
            return refused;
        }
        return exporter(output, sheet, SystemClock(), StringTable::translated());
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
    if (const char* unknown = unknownOption(argc, argv)) {
        std::fprintf(stderr, "fyn: unknown option %s (fyn --help lists the options)\n", unknown);
        return kUsageError;
    }
    if (hasArgument(argc, argv, "--pdf")) {
        return runExport(argc, argv, "--pdf", CommandLineTool::Needs::Fonts, &PdfExport::Run);
    }
    if (hasArgument(argc, argv, "--year-pdf")) {
        return runExport(argc, argv, "--year-pdf", CommandLineTool::Needs::Fonts,
                         &DeferredGroupYear::WritePdf);
    }
    if (hasArgument(argc, argv, "--csv")) {
        return runExport(argc, argv, "--csv", CommandLineTool::Needs::Nothing, &CsvExport::Run);
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
    QApplication::setWindowIcon(WindowIcon::load());

    // Our texts and Qt's own (buttons, file and print dialogs) in the interface language.
    Settings settings(Settings::defaultPath());
    const LanguageChoice choice =
        LanguageChoice::fromSettings(settings, QLocale::system().language());
    const InstalledLanguage language(choice.language());
    const StringTable strings = StringTable::translated();

    QtMessageBoxes messages;
    // Without the right code page every name would be read and written as wrong bytes; better
    // not to touch the secretary's file at all.
    if (const QString refused = useChosenLanguage(choice, settings); !refused.isEmpty()) {
        std::fprintf(stderr, "%s\n", refused.toLocal8Bit().constData());
        messages.inform(choice.isRefused()
                            ? choice.windowMessage(strings, settings.path())
                            : strings.text(text::kCodePageMissing, {TextCodec::codePage()}),
                        MessageBoxes::Icon::Warning);
        return 1;
    }
    QtFilePicker files;
    SystemClock clock;
    SheetBackup backup(SheetBackup::defaultFolder());
    DeferredPrinterAccess printers;
    ProcessCommandRunner commands;
    QtBusyIndicator busy;
    const MailerFactory mailers({commands, settings, messages, busy, strings});
    Dialer dialer(commands, messages, strings);
    // Nothing is opened here: the log's file is first touched by a reminder or a call.
    DeferredContactLog contactLog;
    const MainDialog::Services services{messages, files,    clock,   settings, backup,
                                        strings,  printers, mailers, dialer,   &contactLog};

    MainDialog window(services, commandLineText(QApplication::arguments().mid(1)));
    messages.setParentWidget(&window);
    window.OpenWindow();
    window.exec();
    return 0;
}

} // namespace fyn
