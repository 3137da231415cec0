#include "CsvExport.h"
#include "FakeSeams.h"
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
using fyn::test::FixedClock;
using fyn::test::TestFiles;

namespace {

constexpr int kNovember = 10;

// November in both year slots: a name that needs quoting, a zero report through a remark, an
// auxiliary pioneer and one still missing.
QByteArray monthSheet() {
    SheetBuilder builder;
    builder.setReportMonth(kNovember);
    const int quoted = builder.addPublisher("J\xE1n \"Jano\"", "Nov\xE1k, st.");
    builder.setRemarkEntry(builder.addPublisher("M\xE1ria", "Kov\xE1\xE8ov\xE1"), kNovember, 0,
                           builder.addRemark("0"));
    const int pioneer = builder.addPublisher("Peter", "Hud\xE1k");
    builder.addPublisher("Eva", "Horv\xE1thov\xE1");
    builder.setReport(quoted, kNovember, 0, {.hours = 12, .studies = 1});
    builder.setReport(pioneer, kNovember, 0, {.hours = 50, .studies = 3});
    builder.setStatus(pioneer, kNovember, 0, layout::AuxiliaryPioneer);
    builder.setReport(pioneer, kNovember, 1, {.hours = 7});
    return builder.build();
}

// One publisher whose November report is a remark alone.
QByteArray remarkSheet(const QByteArray& firstName, const QByteArray& remark) {
    SheetBuilder builder;
    builder.setReportMonth(kNovember);
    builder.setRemarkEntry(builder.addPublisher(firstName, "Novak"), kNovember, 0,
                           builder.addRemark(remark));
    return builder.build();
}

} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(TestFiles::write(dir_->filePath(QStringLiteral("sheet.t09")), monthSheet()));
    }

    // The whole file, byte for byte, in the year slot that today's date gives. A name or remark
    // that a spreadsheet would run as a formula stays text behind an apostrophe; the same
    // characters further in, and the numbers, are left as they are.
    void table_data() {
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("rows");
        const QDate even(2026, 12, 10);
        QTest::newRow("even year")
            << monthSheet() << even
            << QStringLiteral("\"Ján \"\"Jano\"\" Novák, st.\",1,12,1,0,,1\r\n"
                              "Mária Kováčová,0,0,0,0,0,1\r\n"
                              "Peter Hudák,1,50,3,1,,1\r\n"
                              "Eva Horváthová,0,0,0,0,,0\r\n"
                              "Spolu,2,62,4,1,,3\r\n");
        QTest::newRow("odd year") << monthSheet() << QDate(2027, 12, 10)
                                  << QStringLiteral("\"Ján \"\"Jano\"\" Novák, st.\",0,0,0,0,,0\r\n"
                                                    "Mária Kováčová,0,0,0,0,,0\r\n"
                                                    "Peter Hudák,1,7,0,0,,1\r\n"
                                                    "Eva Horváthová,0,0,0,0,,0\r\n"
                                                    "Spolu,1,7,0,0,,1\r\n");
        const auto formula = [&](const char* name, const QByteArray& firstName,
                                 const QByteArray& remark, const char* row) {
            QTest::newRow(name) << remarkSheet(firstName, remark) << even
                                << QString::fromLatin1(row) +
                                       QStringLiteral("Spolu,0,0,0,0,,1\r\n");
        };
        formula("= that also needs quotes", "Jan", "=HYPERLINK(\"http://x.sk\",\"Klik\")",
                "Jan Novak,0,0,0,0,\"'=HYPERLINK(\"\"http://x.sk\"\",\"\"Klik\"\")\",1\r\n");
        formula("+ and -", "+421", "-1+1", "'+421 Novak,0,0,0,0,'-1+1,1\r\n");
        formula("@ and tab", "@SUM(A1)", "\t=1", "'@SUM(A1) Novak,0,0,0,0,'\t=1,1\r\n");
        formula("carriage return, quoted", "Jan", "\r=1", "Jan Novak,0,0,0,0,\"'\r=1\",1\r\n");
        formula("not at the start", "Anna-Maria", "a=b+c", "Anna-Maria Novak,0,0,0,0,a=b+c,1\r\n");
    }
    void table() {
        QFETCH(QByteArray, sheet);
        QFETCH(QDate, today);
        QFETCH(QString, rows);
        QVERIFY(TestFiles::write(dir_->filePath(QStringLiteral("sheet.t09")), sheet));
        const QString output = dir_->filePath(QStringLiteral("out.csv"));
        const QString error = CsvExport::Run(output, dir_->filePath(QStringLiteral("sheet.t09")),
                                             FixedClock(today), StringTable::slovak());
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(TestFiles::read(output),
                 "\xEF\xBB\xBF" + QStringLiteral("Meno,V službe,Hodiny,Biblické štúdiá,Pomocný "
                                                 "priekopník,Poznámka,Správa odovzdaná\r\n%1")
                                      .arg(rows)
                                      .toUtf8());
    }

    // Looking the remarks up reserves no entry in the sheet the reminder list shares.
    void remarksOnlyLookedUp() {
        GroupSheet sheet;
        QVERIFY(sheet.Read(monthSheet(), QStringLiteral("s.t09")));
        MonthCsv::Compose(sheet, Wording(StringTable::slovak(), sheet), kNovember, 0);
        QCOMPARE(sheet.remarkCount(), 1);
        QCOMPARE(MonthTotals::Compute(sheet, kNovember, 0).reported, 3);
    }

    // What --csv alone does; reading the sheet and reporting a failure are shared with --pdf
    // and tried there. A mistyped option is refused, not taken for a path.
    void builtProgram_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("toStandardOutput");
        const auto row = [](const char* name, const char* arguments, const char* message,
                            int status, bool toStandardOutput = false) {
            QTest::newRow(name) << QString::fromLatin1(arguments) << QString::fromLatin1(message)
                                << status << toStandardOutput;
        };
        row("written", "--csv out.csv sheet.t09", "", 0);
        row("to standard output", "--csv - sheet.t09", "", 0, true);
        row("output is the sheet", "--csv ./sheet.t09 sheet.t09", "is the sheet itself", 1);
        row("output folder missing", "--csv no/out.csv sheet.t09", "no/out.csv: cannot write", 1);
        row("unknown option", "--cvs out.csv sheet.t09", "fyn: unknown option --cvs", 2);
    }
    void builtProgram() {
        QFETCH(QString, arguments);
        QFETCH(QString, message);
        QFETCH(int, status);
        QFETCH(bool, toStandardOutput);
        QProcess fyn;
        fyn.setWorkingDirectory(dir_->path());
        QProcessEnvironment environment; // no display, no XDG folders: only a home to watch
        environment.insert(QStringLiteral("HOME"), dir_->filePath(QStringLiteral("home")));
        fyn.setProcessEnvironment(environment);
        fyn.start(QStringLiteral(FYN_PROGRAM), arguments.split(u' '));
        QVERIFY(fyn.waitForFinished(30000));
        const QString errors = QString::fromLocal8Bit(fyn.readAllStandardError());
        QCOMPARE(TestFiles::entries(environment.value(QStringLiteral("HOME"))), QStringList());
        QCOMPARE(TestFiles::read(dir_->filePath(QStringLiteral("sheet.t09"))), monthSheet());
        QCOMPARE(QFile::exists(dir_->filePath(QStringLiteral("out.csv"))),
                 status == 0 && !toStandardOutput);
        QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("-"))));
        QCOMPARE(fyn.readAllStandardOutput().startsWith("\xEF\xBB\xBF"), toStandardOutput);
        QCOMPARE(fyn.exitCode(), status);
        QVERIFY2(errors.contains(message), qPrintable(errors));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(TestCsvExport)
#include "TestCsvExport.moc"
