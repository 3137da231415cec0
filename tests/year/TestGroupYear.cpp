#include "ExampleSheet.h"
#include "GroupSheet.h"
#include "GroupYear.h"
#include "LargestSheet.h"
#include "ReminderList.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "Wording.h"

#include <QTest>

using namespace fyn;
using namespace Qt::StringLiterals;
using Kind = GroupYear::Kind;
using Status = GroupYear::Status;

namespace {

GroupSheet loaded(const SheetBuilder& builder, int yearSlot) {
    GroupSheet sheet;
    // A day of the month after the sheet's, in a year of the slot's parity.
    sheet.SetMonthsFromDate(QDate(2026 + yearSlot, 12, 10));
    if (!sheet.Read(builder.build(), u"s.t09"_s)) {
        qFatal("the test sheet could not be read");
    }
    sheet.yearSlot = yearSlot;
    return sheet;
}

} // namespace

class TestGroupYear : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every month is read through the slot of its own calendar year: each column finds its own
    // figure, never the one the other slot holds for the same month.
    void monthsReadThroughTheirOwnYearSlot_data() {
        QTest::addColumn<int>("reportMonth");
        QTest::addColumn<int>("yearSlot");
        QTest::addColumn<int>("firstMonth");
        for (const int slot : {0, 1}) {
            QTest::addRow("January, slot %d", slot) << 0 << slot << 1;
            QTest::addRow("February, slot %d", slot) << 1 << slot << 2;
            QTest::addRow("December, slot %d", slot) << 11 << slot << 0;
        }
    }

    void monthsReadThroughTheirOwnYearSlot() {
        QFETCH(int, reportMonth);
        QFETCH(int, yearSlot);
        QFETCH(int, firstMonth);
        SheetBuilder builder;
        builder.setReportMonth(static_cast<std::uint8_t>(reportMonth));
        builder.addPublisher("Eva", "Nov\xE1kov\xE1");
        const int otherSlot = 1 - yearSlot;
        for (int month = 0; month < 12; ++month) {
            const bool yearBefore = month > reportMonth;
            const int own = yearBefore ? otherSlot : yearSlot;
            builder.setReport(1, month, own, {.hours = static_cast<std::uint16_t>(month + 1)});
            builder.setReport(1, month, 1 - own, {.hours = 500});
        }
        const GroupSheet sheet = loaded(builder, yearSlot);
        const GroupYear year(sheet);
        QCOMPARE(year.months().front().month, firstMonth);
        QCOMPARE(year.months().back().month, reportMonth);
        const int reportYear = sheet.reportYear();
        for (int column = 0; column < GroupYear::kMonths; ++column) {
            const GroupYear::Month& month = year.months()[static_cast<std::size_t>(column)];
            const bool yearBefore = month.month > reportMonth;
            QCOMPARE(month.year, yearBefore ? reportYear - 1 : reportYear);
            QCOMPARE(int(year.cell(1, column).hours), month.month + 1);
            QCOMPARE(year.totals(column).hours, month.month + 1);
            QCOMPARE(year.reachable(column), !yearBefore);
        }
    }

    // The last six months decide; a zero report and a late report are reports.
    void statusOfTheLastSixMonths_data() {
        QTest::addColumn<QString>("months"); // the last six, oldest first
        QTest::addColumn<bool>("olderMissing");
        QTest::addColumn<int>("status");
        const auto row = [](const char* name, const char* months, bool older, Status status) {
            QTest::newRow(name) << QString::fromLatin1(months) << older << int(status);
        };
        // r reported, - missing, 0 zero report (a remark alone), L late report
        row("all reported", "rrrrrr", true, Status::Regular);
        row("one missing", "rrr-rr", false, Status::Irregular);
        row("five of six missing", "-----r", false, Status::Irregular);
        row("six missing", "------", false, Status::Inactive);
        row("a zero report counts", "-----0", false, Status::Irregular);
        row("zero reports only", "000000", false, Status::Regular);
        row("a late report counts", "L-----", false, Status::Irregular);
        row("only the report month missing", "rrrrr-", false, Status::Irregular);
        row("new this month, nothing before", "-----r", true, Status::Irregular);
    }

    void statusOfTheLastSixMonths() {
        QFETCH(QString, months);
        QFETCH(bool, olderMissing);
        QFETCH(int, status);
        SheetBuilder builder;
        builder.setReportMonth(2); // March: the six go back to October of the year before
        builder.addPublisher("Ivan", "Kubo");
        const int zero = builder.addRemark("0");
        for (int back = 0; back < 12; ++back) {
            const int month = (2 - back + 12) % 12;
            const int slot = month > 2 ? 1 : 0;
            const QChar mark = back < 6 ? months[5 - back] : QChar(olderMissing ? u'-' : u'r');
            if (mark == u'r' || mark == u'L') {
                builder.setReport(1, month, slot, {.hours = 3});
            } else if (mark == u'0') {
                builder.setRemarkEntry(1, month, slot, static_cast<std::uint16_t>(zero));
                builder.setReport(1, month, slot, {.inService = false});
            }
            if (mark == u'L') {
                builder.markLate(1, month);
            }
        }
        const GroupSheet sheet = loaded(builder, 0);
        const GroupYear year(sheet);
        QCOMPARE(int(year.status(1)), status);
        const GroupYear::Cell oldest = year.cell(1, GroupYear::kMonths - 6);
        QCOMPARE(oldest.late, months[0] == u'L');
        QCOMPARE(oldest.kind == Kind::ZeroReport, months[0] == u'0');
    }

    // A cell is missing exactly when the sheet's one test says so, for every month of both
    // slots; in the report month those are the people the reminder list offers.
    void cellsFollowTheSheetsOneTest_data() {
        QTest::addColumn<int>("sheetKind");
        QTest::newRow("example") << 0;
        QTest::newRow("largest") << 1;
    }

    void cellsFollowTheSheetsOneTest() {
        QFETCH(int, sheetKind);
        const SheetBuilder builder =
            sheetKind == 0 ? ExampleSheet::builder() : LargestSheet::builder();
        const GroupSheet sheet = loaded(builder, ExampleSheet::kYearSlot);
        const GroupYear year(sheet);
        int missing = 0;
        QList<int> stillMissing; // in the report month
        for (int index = 1; index <= sheet.publisherCount(); ++index) {
            for (int column = 0; column < GroupYear::kMonths; ++column) {
                const GroupYear::Month& month = year.months()[static_cast<std::size_t>(column)];
                const GroupYear::Cell cell = year.cell(index, column);
                QCOMPARE(cell.kind == Kind::Missing,
                         sheet.IsReportMissing(index, month.month, month.yearSlot));
                QCOMPARE(cell.late,
                         cell.kind != Kind::Missing && sheet.IsMarkedLate(index, month.month));
                missing += cell.kind == Kind::Missing ? 1 : 0;
            }
            if (year.cell(index, GroupYear::kMonths - 1).kind == Kind::Missing) {
                stillMissing << index;
            }
        }
        QVERIFY(sheetKind == 1 || missing > 0);
        const Wording wording(StringTable::slovak(), sheet);
        ReminderList reminders(sheet, wording, StringTable::slovak());
        reminders.Fill(nullptr, QDateTime(QDate(2026, 12, 10), QTime(12, 0)));
        QList<int> reminded;
        for (const ReminderList::Row& row : reminders.rows()) {
            reminded << row.index;
        }
        QCOMPARE(reminded, stillMissing);
    }
};

QTEST_GUILESS_MAIN(TestGroupYear)
#include "TestGroupYear.moc"
