#include "Clock.h"
#include "PdfExport.h"
#include "PdfWords.h"
#include "PrintTestSheet.h"
#include "StringTable.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace fyn;
using fyn::test::PdfWords;
using fyn::test::PrintTestSheet;
using fyn::test::TestFiles;

namespace {

// November 2026 is the month before; the example sheet is a November sheet.
class FixedClock : public Clock {
public:
    QDate today() const override { return QDate(2026, 12, 10); }
};

// One point is 600 / 72 dots; text is placed to the dot.
constexpr double kTolerance = 0.5;

} // namespace

class TestPdfExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    void outcomes_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");

        const auto row = [](const char* name, const char* sheet, const char* output,
                            const char* error) {
            QTest::newRow(name) << QString::fromLatin1(sheet) << QString::fromLatin1(output)
                                << QString::fromLatin1(error);
        };
        row("example sheet", "example", "out.pdf", "");
        row("sheet without publishers", "empty", "out.pdf", "");
        row("missing sheet", "missing", "out.pdf", "missing.t09: cannot read the sheet");
        row("no sheet", "month 255", "out.pdf", "not a sheet");
        row("output folder missing", "example", "nowhere/out.pdf", "nowhere/out.pdf: cannot write");
        row("output is the sheet", "example", "sheet", "is the sheet itself");
    }

    void outcomes() {
        QFETCH(QString, sheet);
        QFETCH(QString, output);
        QFETCH(QString, error);

        QString sheetPath = dir_->filePath(QStringLiteral("sheet.t09"));
        if (sheet == QStringLiteral("example")) {
            QVERIFY(QFile::copy(QStringLiteral(FYN_EXAMPLE_SHEET), sheetPath));
        } else if (sheet == QStringLiteral("empty")) {
            SheetBuilder builder;
            builder.setGroupNumber(4);
            QVERIFY(builder.writeTo(sheetPath));
        } else if (sheet == QStringLiteral("month 255")) {
            QVERIFY(
                QFile::copy(QStringLiteral(FYN_FIXTURES_DIR "/report-month-255.t09"), sheetPath));
        } else {
            sheetPath = dir_->filePath(QStringLiteral("missing.t09"));
        }
        const QByteArray sheetBefore = TestFiles::read(sheetPath);
        const QString outputPath =
            output == QStringLiteral("sheet") ? sheetPath : dir_->filePath(output);

        const QString result =
            PdfExport::Run(outputPath, sheetPath, FixedClock(), StringTable::slovak());
        if (error.isEmpty()) {
            QVERIFY2(result.isEmpty(), qPrintable(result));
            QCOMPARE(PdfWords::pageCount(PdfWords::read(outputPath)), 1);
        } else {
            QVERIFY2(result.contains(error), qPrintable(result));
            QVERIFY(!result.contains(QLatin1Char('\n')));
        }
        QCOMPARE(TestFiles::read(sheetPath), sheetBefore);
        // Nothing is left behind but the sheet and a finished PDF.
        QStringList expected;
        if (QFile::exists(sheetPath)) {
            expected.append(QStringLiteral("sheet.t09"));
        }
        if (error.isEmpty()) {
            expected.append(QStringLiteral("out.pdf"));
        }
        expected.sort();
        QCOMPARE(TestFiles::entries(dir_->path()), expected);
    }

    void positionsInPoints_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<double>("xMin");
        QTest::addColumn<double>("yMin");

        // 600 dots make 72 points: L = 300 dots = 36 pt, P = 1500 dots = 180 pt (2 in right of
        // "Meno"), the headings at 700 dots = 84 pt, the row on line 4 at 918 dots = 110.16 pt and
        // each further row 150 dots = 18 pt lower.
        QTest::newRow("title") << QStringLiteral("Kontakty") << 36.0 << 36.0;
        QTest::newRow("group line") << QStringLiteral("Skupina") << 36.0 << 60.0;
        QTest::newRow("Meno") << QStringLiteral("Meno") << 36.0 << 84.0;
        QTest::newRow("Telefón") << QStringLiteral("Telefón") << 180.0 << 84.0;
        QTest::newRow("v službe") << QStringLiteral("službe") << -1.0 << 84.0;
        QTest::newRow("first row") << QStringLiteral("Ján") << 36.0 << 110.16;
        QTest::newRow("second row") << QStringLiteral("Mária") << 36.0 << 128.16;
        QTest::newRow("third row") << QStringLiteral("Peter") << 36.0 << 146.16;
        QTest::newRow("single number") << QStringLiteral("0905") << 180.0 << -1.0;
        QTest::newRow("second of two numbers") << QStringLiteral("033/551") << 194.4 << 114.0;
        QTest::newRow("hours end at 3540 dots") << QStringLiteral("64") << -1.0 << 110.16;
        QTest::newRow("remark at C4 + D/20") << QStringLiteral("5") << 442.8 << 110.16;
    }

    void positionsInPoints() {
        QFETCH(QString, word);
        QFETCH(double, xMin);
        QFETCH(double, yMin);

        QString error;
        const QString pdf = exportSheet(QStringLiteral(FYN_EXAMPLE_SHEET), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const auto words = PdfWords::read(pdf, &error);
        QVERIFY2(!words.isEmpty(), qPrintable(error));
        const fyn::test::PdfWord* found = PdfWords::find(words, word);
        QVERIFY2(found, qPrintable(word));
        if (xMin >= 0) {
            QVERIFY2(qAbs(found->xMin - xMin) < kTolerance,
                     qPrintable(QString::number(found->xMin)));
        }
        if (yMin >= 0) {
            QVERIFY2(qAbs(found->yMin - yMin) < kTolerance,
                     qPrintable(QString::number(found->yMin)));
        }
        if (word == QStringLiteral("64")) {
            QVERIFY2(qAbs(found->xMax - 3540 * 72.0 / 600) < kTolerance,
                     qPrintable(QString::number(found->xMax)));
        }
    }

    void pages_data() {
        QTest::addColumn<int>("publishers");
        QTest::addColumn<int>("pages");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("32") << 32 << 1;
        QTest::newRow("33") << 33 << 2;
        QTest::newRow("65") << 65 << 3;
    }

    // Qt opens the first page itself and adds a blank one for a page started after the last one.
    void pages() {
        QFETCH(int, publishers);
        QFETCH(int, pages);
        PrintTestSheet sheet(PrintTestSheet::numbered(publishers));
        QString error;
        const QString pdf = exportSheet(sheet.path(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const auto words = PdfWords::read(pdf);
        QCOMPARE(PdfWords::pageCount(words), pages);
        if (publishers > 32) {
            // A later page starts with the 33rd publisher where the first page started.
            const auto* first = PdfWords::find(words, QStringLiteral("Meno01"), 0);
            const auto* later = PdfWords::find(words, QStringLiteral("Meno33"), 1);
            QVERIFY(first && later);
            QCOMPARE(later->yMin, first->yMin);
            QVERIFY(PdfWords::find(words, QStringLiteral("Meno32"), 0));
        }
        // The fonts are Liberation Sans, embedded, never a silent substitute.
        const QByteArray bytes = TestFiles::read(pdf);
        QVERIFY(bytes.contains("LiberationSans"));
    }

    void builtProgram_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("debug");
        QTest::addColumn<qint64>("sizeLimit");

        const auto row = [](const char* name, const QStringList& sheet, int exitCode,
                            const char* message, bool debug = false, qint64 sizeLimit = -1) {
            QTest::newRow(name) << QStringList{QStringLiteral("--pdf")} + sheet << exitCode
                                << QString::fromLatin1(message) << debug << sizeLimit;
        };
        const QString out = QStringLiteral("out.pdf"), example = QStringLiteral(FYN_EXAMPLE_SHEET);
        row("exported", {out, example}, 0, "");
        // Qt takes "-reverse" for itself when it sees it; the output path must not be lost.
        row("output named like a Qt option", {QStringLiteral("-reverse"), example}, 0, "");
        row("missing sheet", {out, QStringLiteral("missing.t09")}, 1,
            "fyn: missing.t09: cannot read the sheet: ");
        row("no sheet", {out, QStringLiteral(FYN_FIXTURES_DIR "/report-month-255.t09")}, 1,
            "not a sheet from the secretary's program");
        row("text shorter than the header", {out, QStringLiteral("short.t09")}, 1,
            "fyn: short.t09: not a sheet from the secretary's program");
        row("sheet missing from the arguments", {out}, 2, "Usage: fyn --pdf OUT.pdf SHEET.t09");
        row("Qt's warnings on request", {out, example}, 0, "XDG_RUNTIME_DIR not set", true);
        // The disk fills up in the PDF's last writes, which the writer does not check.
        row("disk full", {out, example}, 1, "fyn: out.pdf: cannot write: File too large", false,
            18000);
    }

    // The program runs without a display and writes nothing beside its output, not even
    // settings in the home folder. Run from cron, without XDG_RUNTIME_DIR, it prints nothing
    // on success and one line on failure.
    void builtProgram() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(bool, debug);
        QFETCH(qint64, sizeLimit);

        QVERIFY(TestFiles::write(dir_->filePath(QStringLiteral("short.t09")), "Skupina 3\n"));
        QProcess fyn;
        fyn.setWorkingDirectory(dir_->path());
        const QString home = dir_->filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        environment.insert(QStringLiteral("FYN_DEBUG"), debug ? QStringLiteral("1") : QString());
        fyn.setProcessEnvironment(environment);
        if (sizeLimit > 0) {
            fyn.setChildProcessModifier([sizeLimit] {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{rlim_t(sizeLimit), rlim_t(sizeLimit)};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            });
        }
        fyn.start(QStringLiteral(FYN_PROGRAM), arguments);
        QVERIFY(fyn.waitForFinished(30000));
        QCOMPARE(fyn.exitCode(), exitCode);
        QCOMPARE(TestFiles::entries(home), QStringList());
        QCOMPARE(QFile::exists(dir_->filePath(arguments[1])), exitCode == 0);
        const QString errors = QString::fromLocal8Bit(fyn.readAllStandardError());
        if (message.isEmpty()) {
            QCOMPARE(errors, QString());
        } else {
            QVERIFY2(errors.contains(message), qPrintable(errors));
        }
        QVERIFY(exitCode == 0 || (errors.count(u'\n') == 1 && errors.endsWith(u'\n')));
    }

    void languageOfTheLocaleOrTheSettings_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<QStringList>("words");
        const auto row = [](const char* name, const char* locale, const char* settings,
                            const char* codePage, const char* words) {
            QTest::newRow(name) << QString::fromLatin1(locale) << QString::fromLatin1(settings)
                                << QString::fromLatin1(codePage)
                                << QString::fromUtf8(words).split(QLatin1Char(' '));
        };
        // A word of the title (none: refused), then the name as printed; Czech prints the
        // list form.
        row("Czech", "cs_CZ.UTF-8", "", "windows-1250", "sběr Dvořák, Jiří");
        row("Polish", "pl_PL.UTF-8", "", "windows-1250", "zbierania Żaneta Źródło");
        row("French", "fr_FR.UTF-8", "", "windows-1252", "recueillir Françoise Lefèvre");
        row("Greek", "el_GR.UTF-8", "", "windows-1253", "Επαφές Ζωή Νικολάου");
        row("Turkish", "tr_TR.UTF-8", "", "windows-1254", "toplamak Şükrü Çağlar");
        row("Estonian", "et_EE.UTF-8", "", "windows-1257", "kogumiseks Õie Šmidt");
        row("unknown locale", "de_DE.UTF-8", "", "windows-1250", "výber Ján Ďurčo");
        row("setting over locale", "pl_PL.UTF-8", "Language=fr", "windows-1252",
            "recueillir Zoé Noël");
        row("code page setting", "C.UTF-8", "CodePage=windows-1253", "windows-1253",
            "výber Ζωή Νικολάου");
        row("unknown language", "C.UTF-8", "Language=xx", "windows-1250", " Ján Ďurčo");
        row("multi-byte code page", "C.UTF-8", "CodePage=utf-8", "windows-1250", " Ján Ďurčo");
    }

    // The settings are read, never written, and a refused one leaves no output.
    void languageOfTheLocaleOrTheSettings() {
        QFETCH(QString, locale);
        QFETCH(QString, settings);
        QFETCH(QString, codePage);
        QFETCH(QStringList, words);
        const bool listForm = words[1].endsWith(QLatin1Char(','));
        QStringEncoder encoder(qPrintable(codePage));
        SheetBuilder builder;
        builder.addPublisher(encoder.encode(listForm ? words[2] : words[1]),
                             encoder.encode(listForm ? words[1].chopped(1) : words[2]));
        const QString sheet = dir_->filePath(QStringLiteral("sheet.t09"));
        QVERIFY(builder.writeTo(sheet));
        const QString ini = dir_->filePath(QStringLiteral("fyn/fyn.ini"));
        const QByteArray iniText = "[Interface]\n" + settings.toUtf8() + "\n";
        QVERIFY(QDir().mkpath(QFileInfo(ini).path()) && TestFiles::write(ini, iniText));
        QProcess fyn;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_->path());
        environment.insert(QStringLiteral("LC_ALL"), locale);
        fyn.setProcessEnvironment(environment);
        const QString output = dir_->filePath(QStringLiteral("out.pdf"));
        fyn.start(QStringLiteral(FYN_PROGRAM), {QStringLiteral("--pdf"), output, sheet});
        QVERIFY(fyn.waitForFinished(30000));
        QCOMPARE(TestFiles::read(ini), iniText);
        if (words[0].isEmpty()) {
            QCOMPARE(fyn.exitCode(), 1);
            QVERIFY(fyn.readAllStandardError().contains(settings.toUtf8()));
            QVERIFY(!QFile::exists(output));
            return;
        }
        QCOMPARE(fyn.exitCode(), 0);
        const auto found = PdfWords::read(output);
        QVERIFY2(PdfWords::find(found, words[0]), qPrintable(words[0]));
        const auto* first = PdfWords::find(found, words[1]);
        const auto* second = PdfWords::find(found, words[2]);
        QVERIFY(first && second && first->xMin < second->xMin);
    }

private:
    QString exportSheet(const QString& sheetPath, QString* error = nullptr);

    std::unique_ptr<QTemporaryDir> dir_;
};

QString TestPdfExport::exportSheet(const QString& sheetPath, QString* error) {
    const QString output = dir_->filePath(QStringLiteral("out.pdf"));
    const QString result = PdfExport::Run(output, sheetPath, FixedClock(), StringTable::slovak());
    if (error != nullptr) {
        *error = result;
    }
    return output;
}

QTEST_MAIN(TestPdfExport)
#include "TestPdfExport.moc"
