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

class TestReminderList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Everyone still missing beside one who reported: what each row says, whether it is ticked,
    // and whether Space can change that.
    void rows() {
        const QDateTime now(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
        SheetBuilder builder;
        builder.setReportMonth(10);
        const int reported = builder.addPublisher("Peter", "Hud\xE1k", "hudak@a.sk");
        builder.setReport(reported, 10, 0, {.hours = 10, .studies = 2});
        builder.setStatus(reported, 10, 0, layout::AuxiliaryPioneer);
        for (const char* email :
             {" novak@a.sk ", "an@hour.ago", "a@day.ago", "called@a.sk", "", "novak at a.sk",
              "novak@a.sk\r\nBcc: all@b.sk", "novak@a.sk;hudak@a.sk"}) {
            const QByteArray surname = "Nov\xE1k" + QByteArray::number(builder.publisherCount());
            builder.addPublisher("J\xE1n", surname, email, "0905 123 456");
        }
        GroupSheet sheet;
        sheet.SetMonthsFromDate(now.date());
        QVERIFY(sheet.Read(builder.build(), u"s.t09"_s));
        QTemporaryDir dir;
        ContactLog log(dir.filePath(u"contacts.sqlite"_s));
        MonthContacts contacts(log, sheet);
        contacts.Record(3, Contact::Channel::Email, u"x"_s, now.addSecs(-3600));
        contacts.Record(4, Contact::Channel::Email, u"x"_s, now.addSecs(-3600 * 25));
        contacts.Record(5, Contact::Channel::Telephone, u"x"_s, now.addSecs(-3600));

        const Wording wording(StringTable::slovak(), sheet);
        ReminderList list(sheet, wording, StringTable::slovak());
        list.Fill(&contacts, now);
        QCOMPARE(list.TotalsLine(), u"Odovzdané: 1 z 9. V službe: 1, hodiny: 10, "
                                    u"biblické štúdiá: 2, pomocní priekopníci: 1"_s);
        const QStringList shown{u"novak@a.sk"_s,
                                u"pripomenuté e-mailom"_s,
                                u"pripomenuté e-mailom"_s,
                                u"volané"_s,
                                u"bez e-mailovej adresy - tel. 0905 123 456"_s,
                                u"nepoužiteľná adresa novak at a.sk - tel. 0905 123 456"_s,
                                u"odmietnutá adresa novak@a.sk  Bcc: all@b.sk"_s,
                                u"odmietnutá adresa"_s};
        QList<State> states;
        for (std::size_t row = 0; row < list.rows().size(); ++row) {
            states << list.rows()[row].state;
            QVERIFY2(list.RowText(int(row)).contains(shown.value(int(row))),
                     qPrintable(list.RowText(int(row))));
        }
        QCOMPARE(states,
                 (QList<State>{State::Usable, State::Usable, State::Usable, State::Usable,
                               State::None, State::Unusable, State::Refused, State::Refused}));
        QCOMPARE(list.tickedRows(), (QList<int>{0, 2, 3}));
        for (int row = 0; row < 8; ++row) {
            list.Toggle(row);
        }
        QCOMPARE(list.tickedRows(), QList<int>{1});
    }
};

QTEST_GUILESS_MAIN(TestReminderList)
#include "TestReminderList.moc"
