#include "ContactLog.h"
#include "GroupSheet.h"
#include "InstalledLanguage.h"
#include "Language.h"
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
    // A contact's time was written the Slovak way in every language.
    void datesInTheInterfaceLanguage() {
        Contact contact;
        contact.when = QDateTime(QDate(2026, 12, 9), QTime(13, 5));
        for (const auto& [language, when] :
             {std::pair{"sk", "9. 12. 2026 13:05"}, {"en", "09/12/2026 13:05"}}) {
            const InstalledLanguage installed(*Language::bySetting(QLatin1String(language)));
            const QString shown = ReminderList::ContactText(StringTable::translated(), contact);
            QVERIFY2(shown.endsWith(QLatin1String(when)), qPrintable(shown));
        }
    }

    // Everyone still missing beside one who reported: what each row says, whether it is ticked,
    // and whether Space can change that. The contacts go through the log and are read back.
    void rows() {
        const QDateTime now(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
        SheetBuilder builder;
        builder.setReportMonth(10);
        const int reported = builder.addPublisher("Peter", "Hud\xE1k", "hudak@a.sk");
        builder.setReport(reported, 10, 0, {.hours = 10, .studies = 2});
        builder.setStatus(reported, 10, 0, layout::AuxiliaryPioneer);
        for (const char* email : {" novak@a.sk ", "an@hour.ago", "a@day.ago", "called@a.sk", "",
                                  "novak at a.sk", "novak@a.sk\r\nBcc: all@b.sk",
                                  "novak@a.sk;hudak@a.sk", "in@the.future", "may@have.gone"}) {
            const QByteArray surname = "Nov\xE1k" + QByteArray::number(builder.publisherCount());
            builder.addPublisher("J\xE1n", surname, email, "0905 123 456");
        }
        // The first one's namesake, reminded: two people, two histories.
        builder.addPublisher("J\xE1n", "Nov\xE1k1", "twin@a.sk");
        GroupSheet sheet;
        sheet.SetMonthsFromDate(now.date());
        QVERIFY(sheet.Read(builder.build(), u"s.t09"_s));
        QTemporaryDir dir;
        ContactLog log(dir.filePath(u"contacts.sqlite"_s));
        {
            MonthContacts recorded(log, sheet);
            const auto record = [&](int index, Contact::Channel channel, const QString& address,
                                    qint64 secondsAgo,
                                    Contact::Result result = Contact::Result::Done) {
                QVERIFY(recorded
                            .Record(recorded.Describe(index, channel, address,
                                                      now.addSecs(-secondsAgo), result))
                            .ok());
            };
            record(3, Contact::Channel::Email, u"an@hour.ago"_s, 3600);
            record(4, Contact::Channel::Email, u"a@day.ago"_s, 3600 * 25);
            record(5, Contact::Channel::Telephone, u"0905 123 456"_s, 3600);
            // A clock that was two hours fast when it was sent.
            record(10, Contact::Channel::Email, u"in@the.future"_s, -7200);
            record(11, Contact::Channel::Email, u"may@have.gone"_s, 3600,
                   Contact::Result::Uncertain);
            record(12, Contact::Channel::Email, u"twin@a.sk"_s, 3600);
        }
        MonthContacts contacts(log, sheet);
        QVERIFY(contacts.Load().ok());

        const Wording wording(StringTable::slovak(), sheet);
        ReminderList list(sheet, wording, StringTable::slovak());
        list.Fill(&contacts, now);
        QCOMPARE(list.TotalsLine(), u"Odovzdané: 1 z 12. V službe: 1, hodiny: 10, "
                                    u"biblické štúdiá: 2, pomocní priekopníci: 1"_s);
        const QStringList shown{u"novak@a.sk"_s,
                                u"pripomenuté e-mailom"_s,
                                u"pripomenuté e-mailom"_s,
                                u"volané"_s,
                                u"bez e-mailovej adresy - tel. 0905 123 456"_s,
                                u"nepoužiteľná adresa novak at a.sk - tel. 0905 123 456"_s,
                                u"odmietnutá adresa novak@a.sk  Bcc: all@b.sk"_s,
                                u"odmietnutá adresa"_s,
                                u"pripomenuté e-mailom"_s,
                                u"pripomienka možno odišla"_s,
                                u"twin@a.sk - pripomenuté e-mailom"_s};
        QList<State> states;
        for (std::size_t row = 0; row < list.rows().size(); ++row) {
            states << list.rows()[row].state;
            QVERIFY2(list.RowText(int(row)).contains(shown.value(int(row))),
                     qPrintable(list.RowText(int(row))));
        }
        QVERIFY2(!list.RowText(0).contains(u"pripomenut"_s), qPrintable(list.RowText(0)));
        QCOMPARE(states, (QList<State>{State::Usable, State::Usable, State::Usable, State::Usable,
                                       State::None, State::Unusable, State::Refused, State::Refused,
                                       State::Usable, State::Usable, State::Usable}));
        QCOMPARE(list.tickedRows(), (QList<int>{0, 2, 3}));
        for (int row = 0; row < 11; ++row) {
            list.Toggle(row);
        }
        QCOMPARE(list.tickedRows(), (QList<int>{1, 8, 9, 10}));
        // A time ahead of the clock stays recent until a day after the time it holds.
        list.RefreshContacts(&contacts, now.addSecs(3600 * 26 - 1));
        QVERIFY(list.rows()[8].remindedRecently);
        list.RefreshContacts(&contacts, now.addSecs(3600 * 26));
        QVERIFY(!list.rows()[8].remindedRecently);
    }
};

QTEST_GUILESS_MAIN(TestReminderList)
#include "TestReminderList.moc"
