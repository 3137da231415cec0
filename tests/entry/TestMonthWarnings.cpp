#include "MonthWarnings.h"
#include "SheetLayout.h"
#include "StringTable.h"

#include <QTest>

using namespace fyn;
using namespace fyn::layout;

namespace {

// The report month is November; the publisher is Ján Novák.
const QString kAlreadySentOctober =
    QStringLiteral("- VÝSTRAHA -   Už ste zaslali Október správu za Ján Novák.");
const QString kAlreadySentNovember =
    QStringLiteral("- VÝSTRAHA -   Už ste zaslali November správu za Ján Novák.");
const QString kIncluded =
    QStringLiteral("Prípadné zmeny BUDÚ ZAHRNUTÉ do November správy pre odbočku.");
const QString kNotIncluded =
    QStringLiteral("Zmeny NEBUDÚ ZAHRNUTÉ do November správy pre odbočku.");
const QString kSpecial =
    QStringLiteral("Zvláštni priekopníci NIE SÚ ZAHRNUTÍ v správe pre odbočku");
const QString kBreak = QStringLiteral("\n");

constexpr int kNovember = 10;
constexpr int kOctober = 9;

} // namespace

class TestMonthWarnings : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void panel_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("hours");
        QTest::addColumn<bool>("markedLate");
        QTest::addColumn<bool>("listOpen");
        QTest::addColumn<int>("reportMonthStatus");
        QTest::addColumn<int>("shownMonthStatus");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("otherMonth");
        QTest::addColumn<bool>("notIncluded");

        const int P = Publisher;
        const int S = SpecialPioneer;
        QTest::newRow("report month, nothing yet")
            << kNovember << 0 << false << false << P << P << QString() << false << false;
        QTest::newRow("report month already has hours")
            << kNovember << 12 << false << false << P << P
            << kAlreadySentNovember + kBreak + kIncluded << false << false;
        QTest::newRow("late month without hours")
            << kOctober << 0 << false << false << P << P << kBreak + kIncluded << true << false;
        QTest::newRow("late month with hours, not marked")
            << kOctober << 7 << false << false << P << P
            << kAlreadySentOctober + kBreak + kNotIncluded << true << true;
        QTest::newRow("late month with hours, marked late")
            << kOctober << 7 << true << false << P << P << kAlreadySentOctober + kBreak + kIncluded
            << true << false;
        QTest::newRow("special pioneer in the report month")
            << kOctober << 0 << false << false << S << P << kBreak + kSpecial << true << true;
        QTest::newRow("special pioneer in the shown month")
            << kNovember << 90 << false << false << P << S
            << kAlreadySentNovember + kBreak + kSpecial << false << true;
        QTest::newRow("special pioneer, list open")
            << kOctober << 0 << false << true << P << S << kBreak + kSpecial << true << true;
        QTest::newRow("list open leaves out the late line")
            << kOctober << 0 << false << true << P << P << QString() << true << false;
        QTest::newRow("list open, late month with hours")
            << kOctober << 7 << false << true << P << P << kAlreadySentOctober << true << false;
        QTest::newRow("list open on the report month")
            << kNovember << 12 << false << true << P << P
            << kAlreadySentNovember + kBreak + kIncluded << false << false;
    }

    void panel() {
        QFETCH(int, month);
        QFETCH(int, hours);
        QFETCH(bool, markedLate);
        QFETCH(bool, listOpen);
        QFETCH(int, reportMonthStatus);
        QFETCH(int, shownMonthStatus);

        MonthWarnings::Situation situation;
        situation.month = month;
        situation.reportMonth = kNovember;
        situation.hours = hours;
        situation.statusInReportMonth = reportMonthStatus;
        situation.statusInShownMonth = shownMonthStatus;
        situation.monthListOpen = listOpen;
        situation.markedLate = markedLate;
        situation.shownMonthName =
            month == kNovember ? QStringLiteral("November") : QStringLiteral("Október");
        situation.reportMonthName = QStringLiteral("November");
        situation.publisherName = QStringLiteral("Ján Novák");

        const MonthWarnings warnings =
            MonthWarnings::ShowWarnings(situation, StringTable::slovak());
        QTEST(warnings.text, "text");
        QTEST(warnings.otherMonth, "otherMonth");
        QTEST(warnings.notIncluded, "notIncluded");
    }
};

QTEST_APPLESS_MAIN(TestMonthWarnings)
#include "TestMonthWarnings.moc"
