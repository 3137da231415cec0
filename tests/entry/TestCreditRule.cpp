#include "CreditRule.h"
#include "SheetLayout.h"

#include <QTest>

using namespace fyn;
using namespace fyn::layout;

// The credit hours rule on its own: the documented cases and the edges of its constants.
class TestCreditRule : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void updateCredit_data() {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("credit");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<int>("expectedCredit");
        QTest::addColumn<QString>("expectedRemark");
        QTest::addColumn<QString>("expectedLabel");

        const auto row = [](const char* name, int hours, int credit, const char* remark,
                            int expectedCredit, const char* expectedRemark, const char* label) {
            QTest::newRow(name) << hours << credit << QString::fromUtf8(remark) << expectedCredit
                                << QString::fromUtf8(expectedRemark) << QString::fromUtf8(label);
        };
        row("70 h, credit 10, no remark", 70, 10, "", 5, "5 +H", "( + 5 H )");
        row("80 h, credit 10, no remark", 80, 10, "", 0, "", "");
        row("80 h, 30*", 80, 0, "30*", 30, "30*", "( + 30 H )");
        row("80 h, 50*", 80, 0, "50*", 40, "50*", "( + 40 H )");
        row("60 h, 30", 60, 0, "30", 15, "30", "( + 15 H )");
        row("60 h, 50!", 60, 0, "50!", 50, "50!", "( + 50 H )");
        row("star at 0 is no star", 70, 10, "*30", 5, "*30", "( + 5 H )");
        row("1234 is capped", 0, 0, "1234", 75, "1234", "( + 75 H )");
        row("1234 reads 123", 0, 0, "1234!", 123, "1234!", "( + 123 H )");
        row("300 reads 44", 0, 0, "300", 44, "300", "( + 44 H )");
        row("no remark, no credit", 30, 0, "", 0, "", "");
        row("remark without digits keeps the credit", 30, 20, "ok", 20, "ok", "( + 20 H )");

        row("74 h, credit 10", 74, 10, "", 1, "1 +H", "( + 1 H )");
        row("75 h, credit 10", 75, 10, "", 0, "", "");
        row("76 h, credit 10", 76, 10, "", 0, "", "");
        row("74 h, remark 10", 74, 0, "10", 1, "10", "( + 1 H )");
        row("75 h, remark 10", 75, 0, "10", 0, "10", "");
        row("75 h, remark 10*", 75, 0, "10*", 10, "10*", "( + 10 H )");
        row("30 h, remark 50*", 30, 0, "50*", 45, "50*", "( + 45 H )");

        row("-1 h, remark 80", -1, 0, "80", 76, "80", "( + 76 H )");
        row("-10 h, credit 10", -10, 10, "", 10, "10 +H", "( + 10 H )");
        row("-100 h, credit 200", -100, 200, "", 175, "175 +H", "( + 175 H )");
        row("-300 h, remark 100", -300, 0, "100", 100, "100", "( + 100 H )");

        row("! at 0", 80, 0, "!50", 0, "!50", "");
        row("! at 1", 80, 0, "5!", 5, "5!", "( + 5 H )");
        row("! at 2", 80, 0, "50!", 50, "50!", "( + 50 H )");
        row("! at 3", 80, 0, "50 !", 50, "50 !", "( + 50 H )");
        row("! at 4", 80, 0, "50  !", 50, "50  !", "( + 50 H )");
        row("! at 5", 80, 0, "50   !", 50, "50   !", "( + 50 H )");
        row("! at 6", 80, 0, "50    !", 0, "50    !", "");
        row("! at 6 with a star", 80, 0, "50*   !", 40, "50*   !", "( + 40 H )");

        row("* at 0", 80, 0, "*50", 0, "*50", "");
        row("* at 1", 80, 0, "5*", 5, "5*", "( + 5 H )");
        row("* at 2", 80, 0, "50*", 40, "50*", "( + 40 H )");
        row("* at 3", 80, 0, "50 *", 40, "50 *", "( + 40 H )");
        row("* at 4", 80, 0, "50  *", 40, "50  *", "( + 40 H )");
        row("* at 5", 80, 0, "50   *", 0, "50   *", "");
    }

    void updateCredit() {
        QFETCH(int, hours);
        QFETCH(int, credit);
        QFETCH(QString, remark);
        QFETCH(int, expectedCredit);
        QFETCH(QString, expectedRemark);
        QFETCH(QString, expectedLabel);

        CreditRule::State state{static_cast<std::uint8_t>(credit), remark, QStringLiteral("old")};
        QVERIFY(CreditRule::UpdateCredit(state, RegularPioneer, hours, QStringLiteral("H")));
        QCOMPARE(int(state.credit), expectedCredit);
        QCOMPARE(state.remarkText, expectedRemark);
        QCOMPARE(state.creditText, expectedLabel);
    }

    void othersThanRegularPioneersAreLeftAlone_data() {
        QTest::addColumn<int>("status");
        QTest::newRow("publisher") << int(Publisher);
        QTest::newRow("auxiliary pioneer") << int(AuxiliaryPioneer);
        QTest::newRow("special pioneer") << int(SpecialPioneer);
    }

    void othersThanRegularPioneersAreLeftAlone() {
        QFETCH(int, status);
        CreditRule::State state{10, QString(), QStringLiteral("old")};
        QVERIFY(!CreditRule::UpdateCredit(state, status, 70, QStringLiteral("H")));
        QCOMPARE(int(state.credit), 10);
        QCOMPARE(state.remarkText, QString());
        QCOMPARE(state.creditText, QString());
    }
};

QTEST_APPLESS_MAIN(TestCreditRule)
#include "TestCreditRule.moc"
