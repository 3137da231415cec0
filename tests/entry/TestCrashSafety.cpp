#include "GroupSheet.h"
#include "KeyboardUser.h"
#include "LittleEndian.h"
#include "MainDialog.h"
#include "Remarks.h"
#include "SheetComparison.h"
#include "StringTable.h"
#include "WindowSeams.h"

#include <QDialog>
#include <QFile>
#include <QTest>
#include <functional>

using namespace fyn;
using namespace fyn::layout;
using fyn::test::EditedEntry;
using fyn::test::KeyboardUser;
using fyn::test::unexpectedDifferences;

namespace {

// The example sheet is November 2026's, in year slot 0.
constexpr int kNovember = 10;
constexpr int kOctober = 9;
constexpr int kSlot = 0;

struct Report {
    int row;
    const char* name;
    EditedEntry entry;
    std::function<void()> keys;
};

void expectFocus(int id) {
    QCOMPARE(KeyboardUser::focusName(), QStringLiteral("ctl%1").arg(id));
}

std::uint16_t valueAt(const GroupSheet& sheet, int index, std::size_t array, int month) {
    return readU16(sheet.Record(index) + array +
                   2 * static_cast<std::size_t>(monthSlot(month, kSlot)));
}

} // namespace

// Every accepted report reaches the sheet file at once, and nothing else in the file changes:
// a crash with the window still open loses nothing and harms nothing.
class TestCrashSafety : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void acceptedReportsAreOnDiskWhileTheWindowIsOpen() {
        test::WindowSeams seams(QDate(2026, 12, 10));
        const QString path = seams.path(QStringLiteral("Skupina3.t09"));
        QVERIFY(QFile::copy(QStringLiteral(FYN_EXAMPLE_SHEET), path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

        const std::unique_ptr<MainDialog> opened = seams.open(path);
        MainDialog& window = *opened;
        QVERIFY(KeyboardUser::activate(window));

        GroupSheet original;
        QVERIFY(original.Load(QStringLiteral(FYN_EXAMPLE_SHEET)));
        QCOMPARE(window.sheet().reportMonth, kNovember);
        QCOMPARE(window.sheet().yearSlot, kSlot);

        using K = KeyboardUser;
        const Report reports[] = {
            // The carried bits of his status byte make the hours field appear.
            {2,
             "Peter Ďurica",
             {3, kNovember, kSlot},
             [] {
                 K::press(Qt::Key_Space);
                 K::press(Qt::Key_Return);
                 expectFocus(141);
                 K::type(QStringLiteral("3"));
                 K::press(Qt::Key_Return);
                 expectFocus(143);
                 K::type(QStringLiteral("2"));
                 K::press(Qt::Key_Return);
             }},
            {19,
             "Oľga Blahová",
             {20, kNovember, kSlot},
             [] {
                 K::press(Qt::Key_Space);
                 K::press(Qt::Key_Return);
                 K::type(QStringLiteral("72"));
                 K::press(Qt::Key_Return);
                 K::type(QStringLiteral("1"));
                 K::press(Qt::Key_Return);
             }},
            // A zero report.
            {7,
             "Eva Horváthová",
             {8, kNovember, kSlot},
             [] {
                 K::press(Qt::Key_P, Qt::AltModifier);
                 QTRY_COMPARE(K::focusName(), QStringLiteral("ctl163"));
                 K::type(QStringLiteral("0"));
                 K::press(Qt::Key_Return);
                 K::press(Qt::Key_Return);
                 expectFocus(1);
                 K::press(Qt::Key_Return);
             }},
            // October, handed in late without changes: its figures show and are walked through.
            {9,
             "Anna Szabová",
             {10, kOctober, kSlot, true},
             [] {
                 K::press(Qt::Key_M, Qt::AltModifier);
                 QTRY_COMPARE(K::focusName(), QStringLiteral("ctl158"));
                 K::press(Qt::Key_Up);
                 K::press(Qt::Key_Return);
                 QTRY_COMPARE(K::focusName(), QStringLiteral("ctl1126"));
                 K::press(Qt::Key_Return);
                 expectFocus(141);
                 K::press(Qt::Key_Return);
                 expectFocus(143);
                 K::press(Qt::Key_Return);
             }},
        };

        QList<EditedEntry> edits;
        for (const Report& report : reports) {
            // The offscreen platform has no window manager to activate the window again after
            // the report dialog closed.
            QVERIFY(K::activate(window));
            K::press(Qt::Key_Home);
            for (int row = 0; row < report.row; ++row) {
                K::press(Qt::Key_Down);
            }
            K::onNextModalDialog([&report](QDialog&) { report.keys(); });
            K::press(Qt::Key_Return);
            if (QTest::currentTestFailed()) {
                return;
            }
            QCOMPARE(window.lastEntryName(), QString::fromUtf8(report.name));
            edits.append(report.entry);

            GroupSheet onDisk;
            QVERIFY(onDisk.Load(path));
            const int index = report.entry.index;
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(onDisk.Record(index)), kRecordSize),
                     QByteArray(reinterpret_cast<const char*>(window.sheet().Record(index)),
                                kRecordSize));
            const QStringList differences = unexpectedDifferences(original, onDisk, edits);
            QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
        }

        GroupSheet onDisk;
        QVERIFY(onDisk.Load(path));
        const auto carried = [&original](int index, int month) {
            return valueAt(original, index, kStudiesAndFlags, month) & kCarriedFlagsMask;
        };
        QCOMPARE(valueAt(onDisk, 3, kHours, kNovember), 3);
        QCOMPARE(valueAt(onDisk, 3, kStudiesAndFlags, kNovember), carried(3, kNovember) | 0x802);
        QCOMPARE(valueAt(onDisk, 20, kHours, kNovember), 72);
        QCOMPARE(valueAt(onDisk, 20, kStudiesAndFlags, kNovember), carried(20, kNovember) | 0x801);
        QCOMPARE(valueAt(onDisk, 20, kCreditHours, kNovember), 0);
        QCOMPARE(valueAt(onDisk, 8, kStudiesAndFlags, kNovember), carried(8, kNovember));
        QVERIFY(!onDisk.IsReportMissing(8, kNovember, kSlot));
        QVERIFY(onDisk.IsMarkedLate(10, kOctober));
        for (const std::size_t array : {kPublications, kVideos, kHours, kReturnVisits,
                                        kStudiesAndFlags, kRemarkEntry, kCreditHours}) {
            QCOMPARE(valueAt(onDisk, 10, array, kOctober), valueAt(original, 10, array, kOctober));
        }
        QCOMPARE(onDisk.Record(10)[kPioneerStatus + monthSlot(kOctober, kSlot)],
                 original.Record(10)[kPioneerStatus + monthSlot(kOctober, kSlot)]);

        // Only the zero report took an entry; the months only shown took none.
        QCOMPARE(onDisk.remarkCount(), original.remarkCount() + 1);
        const int zeroReport = valueAt(onDisk, 8, kRemarkEntry, kNovember);
        QCOMPARE(zeroReport, original.remarkCount() + 1);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(onDisk.RemarkEntry(zeroReport))),
                 QByteArray("0"));
        QVERIFY(window.isVisible());
        QVERIFY(seams.messages.texts().isEmpty());
    }
};

QTEST_MAIN(TestCrashSafety)
#include "TestCrashSafety.moc"
