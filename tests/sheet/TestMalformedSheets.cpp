#include "ExampleSheet.h"
#include "GroupSheet.h"
#include "MalformedSheets.h"
#include "RecordingMessageBoxes.h"
#include "Remarks.h"
#include "SheetMessages.h"
#include "StringTable.h"
#include "TestFiles.h"
#include "TextIds.h"
#include "Wording.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace fyn;
using namespace fyn::layout;
using fyn::test::RecordingMessageBoxes;
using fyn::test::TestFiles;

namespace {

QString fixture(const QString& name) {
    return QDir(QStringLiteral(FYN_FIXTURES_DIR)).filePath(name);
}

// Every name, every month's remark in both forms: nothing of a loaded sheet may reach
// outside its buffers.
void touchEverything(GroupSheet& sheet) {
    const Wording wording(StringTable::slovak(), sheet);
    for (int index = 1; index <= sheet.publisherCount(); ++index) {
        QVERIFY(wording.PublisherName(index, true).size() <= 2 * 20 + 2);
        for (int month = 0; month < kMonths; ++month) {
            for (int slot = 0; slot < 2; ++slot) {
                QByteArray text;
                ReadRemark(sheet, index, month, slot, text, true);
                QVERIFY(text.size() <= qsizetype(kRemarkSize));
                sheet.publisher(index).month(month, slot).studies();
                sheet.IsMarkedLate(index, month);
            }
        }
    }
}

} // namespace

// The committed files in fixtures/ are written by fyn-make-fixtures; they also seed the fuzz
// target of the loader.
class TestMalformedSheets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QVERIFY(dir_.isValid());
        boxes_.clear();
    }

    void fixtureIsCurrent_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        for (const MalformedSheet& sheet : MalformedSheets::all()) {
            QTest::newRow(qPrintable(sheet.fileName)) << sheet.fileName << sheet.bytes;
        }
    }

    void fixtureIsCurrent() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QVERIFY2(QFileInfo::exists(fixture(fileName)),
                 "run fyn-make-fixtures tests/sheet/fixtures");
        QCOMPARE(TestFiles::read(fixture(fileName)), bytes);
    }

    void loadsWithItsOutcome_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<int>("shown"); // text id, 0 = nothing
        QTest::addColumn<int>("publishers");
        QTest::addColumn<int>("remarks");

        // Refused files keep the example sheet loaded before them: 20 publishers, 5 remarks.
        auto row = [](const char* name, bool loads, int shown, int publishers, int remarks) {
            QTest::newRow(name) << QString::fromUtf8(name) << loads << shown << publishers
                                << remarks;
        };
        row("empty.t09", false, text::kNotASheet, 20, 5);
        row("short-header.t09", false, text::kNotASheet, 20, 5);
        row("header-only.t09", true, 0, 0, 0);
        row("one-publisher.t09", true, 0, 1, 0);
        row("count-0x80.t09", false, text::kNotASheet, 20, 5);
        row("count-0xff.t09", false, text::kNotASheet, 20, 5);
        row("report-month-12.t09", false, text::kNotASheet, 20, 5);
        row("report-month-255.t09", false, text::kNotASheet, 20, 5);
        row("truncated-record.t09", false, text::kNotASheet, 20, 5);
        row("truncated-remarks.t09", false, text::kNotASheet, 20, 5);
        row("remark-count-65535.t09", false, text::kNotASheet, 20, 5);
        row("remark-entry-beyond-count.t09", true, 0, 3, 2);
        row("unterminated-texts.t09", true, 0, 3, 2);
    }

    void loadsWithItsOutcome() {
        QFETCH(QString, fileName);
        QFETCH(bool, loads);
        QFETCH(int, shown);
        QFETCH(int, publishers);
        QFETCH(int, remarks);

        GroupSheet sheet;
        const QString example = dir_.filePath(QStringLiteral("Skupina3.t09"));
        QVERIFY(TestFiles::write(example, ExampleSheet::build()));
        QVERIFY(sheet.Load(example));

        const QString path = fixture(fileName);
        QCOMPARE(SheetMessages::show(sheet.Load(path), boxes_, StringTable::slovak()), loads);
        QStringList texts;
        if (shown != 0) {
            texts.append(StringTable::slovak().text(shown).replace(QStringLiteral("%1"), path));
        }
        QCOMPARE(boxes_.texts(), texts);
        QCOMPARE(sheet.publisherCount(), publishers);
        QCOMPARE(sheet.remarkCount(), remarks);
        QCOMPARE(sheet.sheetPath(), loads && publishers > 0 ? path : example);
        touchEverything(sheet);

        boxes_.clear();
        const QString target = dir_.filePath(QStringLiteral("written.t19"));
        QCOMPARE(SheetMessages::show(sheet.Write(target), boxes_, StringTable::slovak()),
                 publishers >= 2);
        if (publishers < 2) {
            QCOMPARE(boxes_.texts(),
                     QStringList{StringTable::slovak().text(text::kTooFewPublishers)});
        } else {
            QCOMPARE(QFileInfo(target).size(), qint64(816 * (publishers + 1) + 48 * remarks));
        }
    }

    void remarkEntryPastTheCount() {
        GroupSheet sheet;
        QVERIFY(sheet.Load(fixture(QStringLiteral("remark-entry-beyond-count.t09"))));
        QByteArray text;
        QCOMPARE(int(ReadRemark(sheet, 2, 4, 0, text, true)), 0);
        QVERIFY(text.isEmpty());
        QCOMPARE(int(ReadRemark(sheet, 2, 4, 0, text, false)), 3);
        QCOMPARE(sheet.remarkCount(), 3);
    }

    void unterminatedTextsStayInTheirFields() {
        GroupSheet sheet;
        QVERIFY(sheet.Load(fixture(QStringLiteral("unterminated-texts.t09"))));
        const Wording wording(StringTable::slovak(), sheet);
        const QString name = wording.PublisherName(1, false);
        const qsizetype blank = name.indexOf(QLatin1Char(' '));
        QCOMPARE(blank, qsizetype(20));
        QCOMPARE(name.size(), qsizetype(41));
        QCOMPARE(wording.PublisherName(2, true), QString::fromUtf8("Veľká, Eva"));

        // Written and read again, the sheet stays where it was.
        const QString once = dir_.filePath(QStringLiteral("once.t09"));
        const QString twice = dir_.filePath(QStringLiteral("twice.t09"));
        QVERIFY(sheet.Write(once));
        GroupSheet again;
        QVERIFY(again.Load(once));
        QVERIFY(again.Write(twice));
        QCOMPARE(TestFiles::read(twice), TestFiles::read(once));
    }

private:
    QTemporaryDir dir_;
    RecordingMessageBoxes boxes_;
};

QTEST_GUILESS_MAIN(TestMalformedSheets)
#include "TestMalformedSheets.moc"
