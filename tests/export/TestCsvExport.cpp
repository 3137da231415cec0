#include "Clock.h"
#include "CsvExport.h"
#include "GroupSheet.h"
#include "MonthCsv.h"
#include "MonthTotals.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TestFiles.h"
#include "Wording.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace fyn;
using fyn::test::TestFiles;

namespace {

class FixedClock : public Clock {
public:
    explicit FixedClock(QDate date) : date_(date) {}
    QDate today() const override { return date_; }

private:
    QDate date_;
};

constexpr int kNovember = 10;

// November of an even year in slot 0, of an odd year in slot 1: a name that needs quoting, a
// zero report through a remark, an auxiliary pioneer and one still missing.
SheetBuilder monthSheet() {
    SheetBuilder builder;
    builder.setGroupNumber(3);
    builder.setReportMonth(kNovember);
    const int quoted = builder.addPublisher("J\xE1n \"Jano\"", "Nov\xE1k, st.");
    const int zero = builder.addPublisher("M\xE1ria", "Kov\xE1\xE8ov\xE1");
    const int pioneer = builder.addPublisher("Peter", "Hud\xE1k");
    builder.addPublisher("Eva", "Horv\xE1thov\xE1");
    builder.setReport(quoted, kNovember, 0, {.hours = 12, .studies = 1});
    builder.setRemarkEntry(zero, kNovember, 0, builder.addRemark("0"));
    builder.setReport(pioneer, kNovember, 0, {.hours = 50, .studies = 3});
    builder.setStatus(pioneer, kNovember, 0, layout::AuxiliaryPioneer);
    builder.setReport(pioneer, kNovember, 1, {.hours = 7});
    return builder;
}

} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    // The whole file, byte for byte, for the year slot today's date gives.
    void table_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("rows");
        const QString heading = QStringLiteral("Meno,V službe,Hodiny,Biblické štúdiá,"
                                               "Pomocný priekopník,Poznámka,Správa odovzdaná\r\n");
        QTest::newRow("even year")
            << QDate(2026, 12, 10)
            << heading + QStringLiteral("\"Ján \"\"Jano\"\" Novák, st.\",1,12,1,0,,1\r\n"
                                        "Mária Kováčová,0,0,0,0,0,1\r\n"
                                        "Peter Hudák,1,50,3,1,,1\r\n"
                                        "Eva Horváthová,0,0,0,0,,0\r\n"
                                        "Spolu,2,62,4,1,,3\r\n");
        QTest::newRow("odd year") << QDate(2027, 12, 10)
                                  << heading + QStringLiteral(
                                                   "\"Ján \"\"Jano\"\" Novák, st.\",0,0,0,0,,0\r\n"
                                                   "Mária Kováčová,0,0,0,0,,0\r\n"
                                                   "Peter Hudák,1,7,0,0,,1\r\n"
                                                   "Eva Horváthová,0,0,0,0,,0\r\n"
                                                   "Spolu,1,7,0,0,,1\r\n");
    }

    void table() {
        QFETCH(QDate, today);
        QFETCH(QString, rows);
        const QString sheetPath = dir_->filePath(QStringLiteral("sheet.t09"));
        QVERIFY(monthSheet().writeTo(sheetPath));
        const QString output = dir_->filePath(QStringLiteral("out.csv"));
        const QString error =
            CsvExport::Run(output, sheetPath, FixedClock(today), StringTable::slovak());
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(TestFiles::read(output), QByteArray("\xEF\xBB\xBF") + rows.toUtf8());
    }

    // The totals the reminder list shows are those of the table's last row, and neither
    // touches the remark table.
    void totalsLeaveTheSheetAlone() {
        GroupSheet sheet;
        QVERIFY(sheet.Read(monthSheet().build(), QStringLiteral("s.t09")));
        const QByteArray before = sheet.Bytes();
        const MonthTotals totals = MonthTotals::Compute(sheet, kNovember, 0);
        QCOMPARE(QList<int>({totals.publishers, totals.reported, totals.inService, totals.hours,
                             totals.studies, totals.auxiliaryPioneers}),
                 QList<int>({4, 3, 2, 62, 4, 1}));
        MonthCsv::Compose(sheet, Wording(StringTable::slovak(), sheet), kNovember, 0);
        QCOMPARE(sheet.Bytes(), before);
    }

    void builtProgram_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QStringList& arguments, const char* message) {
            QTest::newRow(name) << QStringList{QStringLiteral("--csv")} + arguments
                                << QString::fromLatin1(message);
        };
        const QString out = QStringLiteral("out.csv"), sheet = QStringLiteral("sheet.t09");
        row("written", {out, sheet}, "");
        row("missing sheet", {out, QStringLiteral("missing.t09")},
            "fyn: missing.t09: cannot read the sheet: ");
        row("shorter than a header", {out, QStringLiteral("short.t09")},
            "fyn: short.t09: not a sheet from the secretary's program\n");
        row("output is the sheet", {QStringLiteral("./sheet.t09"), sheet}, "is the sheet itself");
        row("output folder missing", {QStringLiteral("no/out.csv"), sheet},
            "no/out.csv: cannot write");
        row("sheet missing from the arguments", {out}, "Usage: fyn --csv OUT.csv SHEET.t09\n");
    }

    // No display, nothing written but the table, one line on stderr for what went wrong.
    void builtProgram() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QVERIFY(monthSheet().writeTo(dir_->filePath(QStringLiteral("sheet.t09"))));
        QVERIFY(TestFiles::write(dir_->filePath(QStringLiteral("short.t09")), "\x03"));
        const QByteArray sheetBefore = TestFiles::read(dir_->filePath(QStringLiteral("sheet.t09")));
        const QString home = dir_->filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));

        QProcess fyn;
        fyn.setWorkingDirectory(dir_->path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        fyn.setProcessEnvironment(environment);
        fyn.start(QStringLiteral(FYN_PROGRAM), arguments);
        QVERIFY(fyn.waitForFinished(30000));
        const QString errors = QString::fromLocal8Bit(fyn.readAllStandardError());
        QCOMPARE(fyn.readAllStandardOutput(), QByteArray());
        QCOMPARE(TestFiles::entries(home), QStringList());
        QCOMPARE(TestFiles::read(dir_->filePath(QStringLiteral("sheet.t09"))), sheetBefore);
        const bool written = QFile::exists(dir_->filePath(QStringLiteral("out.csv")));
        if (message.isEmpty()) {
            QCOMPARE(fyn.exitCode(), 0);
            QCOMPARE(errors, QString());
            QVERIFY(written);
        } else {
            QCOMPARE(fyn.exitCode(), 1);
            QVERIFY2(errors.contains(message), qPrintable(errors));
            QCOMPARE(errors.count(QLatin1Char('\n')), 1);
            QVERIFY(!written);
        }
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(TestCsvExport)
#include "TestCsvExport.moc"
