#include "ContactLog.h"
#include "GroupSheet.h"
#include "MonthContacts.h"
#include "ReminderList.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "Wording.h"

#include <QTemporaryDir>
#include <QTest>

using namespace fyn;
using namespace Qt::StringLiterals;
using State = ReminderList::AddressState;
Q_DECLARE_METATYPE(State)

namespace {

const QDateTime kNow(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
constexpr int kNovember = 10;
constexpr int kNoContact = -1;

} // namespace

class TestReminderList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void row_data() {
        QTest::addColumn<QByteArray>("email");
        QTest::addColumn<int>("channel"); // of the month's last contact, or kNoContact
        QTest::addColumn<int>("hoursAgo");
        QTest::addColumn<State>("state");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("shown");
        const int mail = int(Contact::Channel::Email);
        QTest::newRow("clean address")
            << " novak@a.sk "_ba << kNoContact << 0 << State::Usable << true << u"novak@a.sk"_s;
        QTest::newRow("reminded an hour ago")
            << "novak@a.sk"_ba << mail << 1 << State::Usable << false << u"pripomenuté e-mailom"_s;
        QTest::newRow("reminded a day and an hour ago")
            << "novak@a.sk"_ba << mail << 25 << State::Usable << true << u"pripomenuté e-mailom"_s;
        QTest::newRow("a call is no reminder")
            << "novak@a.sk"_ba << int(Contact::Channel::Telephone) << 1 << State::Usable << true
            << u"volané"_s;
        QTest::newRow("no address: call instead")
            << ""_ba << kNoContact << 0 << State::None << false
            << u"bez e-mailovej adresy - tel. 0905 123 456"_s;
        QTest::newRow("fails the window's test")
            << "novak at a.sk"_ba << kNoContact << 0 << State::Unusable << false
            << u"nepoužiteľná adresa novak at a.sk - tel. 0905 123 456"_s;
        QTest::newRow("header injection")
            << "novak@a.sk\r\nBcc: all@b.sk"_ba << kNoContact << 0 << State::Refused << false
            << u"odmietnutá adresa novak@a.sk  Bcc: all@b.sk"_s;
        QTest::newRow("two addresses") << "novak@a.sk;hudak@a.sk"_ba << kNoContact << 0
                                       << State::Refused << false << u"odmietnutá adresa"_s;
    }
    // One publisher still missing beside one who reported: what the row says, whether it is
    // ticked, and whether Space can change that.
    void row() {
        QFETCH(QByteArray, email);
        QFETCH(int, channel);
        QFETCH(int, hoursAgo);
        QFETCH(State, state);
        QFETCH(bool, ticked);
        QFETCH(QString, shown);
        SheetBuilder builder;
        builder.setReportMonth(kNovember);
        const int reported = builder.addPublisher("Peter", "Hud\xE1k", "hudak@a.sk");
        builder.setReport(reported, kNovember, 0, {.hours = 10, .studies = 2});
        builder.setStatus(reported, kNovember, 0, layout::AuxiliaryPioneer);
        const int missing = builder.addPublisher("J\xE1n", "Nov\xE1k", email, "0905 123 456");
        GroupSheet sheet;
        sheet.SetMonthsFromDate(kNow.date());
        QVERIFY(sheet.Read(builder.build(), QStringLiteral("s.t09")));
        const Wording wording(StringTable::slovak(), sheet);
        QTemporaryDir dir;
        ContactLog log(dir.filePath(QStringLiteral("contacts.sqlite")));
        MonthContacts contacts(log, sheet);
        if (channel != kNoContact) {
            contacts.Record(missing, Contact::Channel(channel), QStringLiteral("x"),
                            kNow.addSecs(-3600 * hoursAgo));
        }
        ReminderList list(sheet, wording, StringTable::slovak());
        list.Fill(&contacts, kNow);
        QCOMPARE(list.rows().size(), std::size_t(1));
        QCOMPARE(list.rows()[0].index, missing);
        QCOMPARE(list.rows()[0].state, state);
        QCOMPARE(list.rows()[0].ticked, ticked);
        QVERIFY2(list.RowText(0).contains(shown), qPrintable(list.RowText(0)));
        QCOMPARE(list.TotalsLine(), QStringLiteral("Odovzdané: 1 z 2. V službe: 1, hodiny: 10, "
                                                   "biblické štúdiá: 2, pomocní priekopníci: 1"));
        list.Toggle(0);
        QCOMPARE(list.anyTicked(), state == State::Usable && !ticked);
    }
};

QTEST_GUILESS_MAIN(TestReminderList)
#include "TestReminderList.moc"
