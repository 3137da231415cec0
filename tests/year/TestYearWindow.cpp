#include "DialogBuilder.h"
#include "KeyboardUser.h"
#include "MainDialog.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "WindowSeams.h"

#include <QDialog>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

using namespace fyn;
using namespace fyn::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kMarch = 2;
constexpr int kFebruary = 1;
// The months of April 2026 .. March 2027; 2027 is in year slot 1.
constexpr int kSlot = 1;
constexpr int kLastMonthColumn = 12;

QTableWidget* grid(QDialog& dialog) {
    return DialogBuilder::control<QTableWidget>(dialog, 130);
}

} // namespace

class TestYearWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Ctrl+R opens the year on the report month. Typed letters pick a row and keep the month;
    // Enter on February opens that publisher's report on February, which the keyboard fills in
    // and stores, and the cell shows it at once; Enter on a month of the year before says why
    // it cannot be entered.
    void enterStoresAnEarlierMonthThroughTheReportDialog() {
        WindowSeams seams(QDate(2027, 4, 10));
        SheetBuilder builder;
        builder.setGroupNumber(3);
        builder.setReportMonth(kMarch);
        builder.addPublisher("J\xE1n", "Nov\xE1k");
        builder.addPublisher("Eva", "Horv\xE1thov\xE1");
        builder.setReport(1, kMarch, kSlot, {.hours = 3});
        const QString path = seams.path(u"Skupina3.t09"_s);
        QVERIFY(builder.writeTo(path));

        const std::unique_ptr<MainDialog> opened = seams.open(path);
        MainDialog& window = *opened;
        QVERIFY(KeyboardUser::activate(window));

        bool yearShown = false;
        KeyboardUser::onNextModalDialog([&](QDialog& year) {
            yearShown = true;
            QTableWidget* cells = grid(year);
            QVERIFY(cells && cells->hasFocus());
            QCOMPARE(cells->currentColumn(), kLastMonthColumn);
            QCOMPARE(cells->item(0, kLastMonthColumn)->text(), u"3"_s);
            KeyboardUser::type(u"ho"_s);
            QCOMPARE(cells->currentRow(), 1);
            QCOMPARE(cells->currentColumn(), kLastMonthColumn);
            KeyboardUser::press(Qt::Key_Left);
            QCOMPARE(cells->item(1, kLastMonthColumn - 1)->text(), u"-"_s);

            KeyboardUser::onNextModalDialog([](QDialog& report) {
                QVERIFY(report.windowTitle().contains(u"Horváthová"_s));
                KeyboardUser::press(Qt::Key_Space);
                KeyboardUser::press(Qt::Key_Return);
                KeyboardUser::type(u"4"_s);
                KeyboardUser::press(Qt::Key_Return);
                QVERIFY(report.isHidden());
            });
            KeyboardUser::press(Qt::Key_Return);
            QCOMPARE(cells->item(1, kLastMonthColumn - 1)->text(), u"+ o"_s);
            QTRY_VERIFY(cells->hasFocus());

            KeyboardUser::press(Qt::Key_Home);
            QCOMPARE(cells->currentColumn(), 1);
            KeyboardUser::press(Qt::Key_Return);
            QCOMPARE(seams.messages.texts().size(), 1);
            QVERIFY(seams.messages.texts().front().startsWith(u"Správu za apríl 2026"_s));
            KeyboardUser::press(Qt::Key_End);
            QCOMPARE(cells->currentColumn(), kLastMonthColumn);
            KeyboardUser::press(Qt::Key_Escape);
        });
        KeyboardUser::press(Qt::Key_R, Qt::ControlModifier);
        QVERIFY(yearShown);

        // Stored in February's own slot, marked late, and on disk.
        GroupSheet stored;
        stored.SetMonthsFromDate(seams.clock.today());
        QVERIFY(stored.Load(path));
        QVERIFY(!stored.IsReportMissing(2, kFebruary, kSlot));
        QVERIFY(stored.IsMarkedLate(2, kFebruary));
        QCOMPARE(stored.publisher(2).month(kFebruary, kSlot).studies(), 4);
    }
};

QTEST_MAIN(TestYearWindow)
#include "TestYearWindow.moc"
