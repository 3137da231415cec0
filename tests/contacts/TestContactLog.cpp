#include "ChildProcess.h"
#include "ContactLog.h"
#include "GroupSheet.h"
#include "MonthContacts.h"
#include "SheetBuilder.h"
#include "TestFiles.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>
#include <unistd.h>

using namespace fyn;
using fyn::test::ChildProcess;
using fyn::test::TestFiles;
using Kind = ContactLogResult::Kind;
using Channel = Contact::Channel;

namespace {

const QDateTime kNoon(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
const QString kJan = QStringLiteral("Ján");

Contact contact(const QString& surname, int group = 3) {
    return {group, surname, kJan, 2026, 11, kNoon, Channel::Email, surname, {}, {}};
}

// The month's contacts, each in one line.
QStringList monthOf(ContactLog& log) {
    QList<Contact> contacts;
    log.ContactsOfMonth(3, 2026, 11, contacts);
    QStringList lines;
    for (const Contact& c : contacts) {
        lines.append(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                         .arg(c.surname, c.firstName, c.when.toString(Qt::ISODateWithMs), c.address,
                              c.detail)
                         .arg(int(c.channel))
                         .arg(int(c.result)));
    }
    return lines;
}

} // namespace

class TestContactLog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection)); }
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        path_ = dir_->filePath(QStringLiteral("fyn/contacts.sqlite"));
    }

    // What one run records, the next reads back: the sheet's group and report month alone, in
    // order, in a folder and file for the user alone. A failed mail is no reminder.
    void restartRemembers() {
        SheetBuilder builder;
        builder.setGroupNumber(3);
        builder.setReportMonth(10);
        builder.addPublisher("J\xE1n", "Nov\xE1k", "novak@a.sk");
        builder.addPublisher("J\xE1n", "Kov\xE1\xE8", "kovac@a.sk");
        GroupSheet sheet;
        sheet.SetMonthsFromDate(QDate(2026, 12, 9));
        QVERIFY(sheet.Read(builder.build(), QStringLiteral("s.t09")));
        {
            ContactLog log(path_);
            MonthContacts month(log, sheet);
            QVERIFY(!QFileInfo::exists(QFileInfo(path_).path())); // nothing before the first use
            month.Record(month.Describe(1, Channel::Telephone, QStringLiteral("0905 123"),
                                        kNoon.addDays(-2)));
            month.Record(month.Describe(1, Channel::MailClient, QStringLiteral("novak@a.sk"),
                                        kNoon.addSecs(-60)));
            month.Record(month.Describe(2, Channel::Email, QStringLiteral("kovac@a.sk"), kNoon,
                                        Contact::Result::Failed, QStringLiteral("550 no user")));
            QCOMPARE(log.Record(contact(kJan, 4)).kind, Kind::Done);
        }
        QCOMPARE(QFileInfo(path_).permissions() & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(QFileInfo(QFileInfo(path_).path()).permissions() & 0x0FFF,
                 QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        ContactLog restarted(path_);
        QCOMPARE(
            monthOf(restarted),
            QStringList(
                {QStringLiteral("Novák Ján 2026-12-07T12:00:00.000Z 0905 123  2 0"),
                 QStringLiteral("Novák Ján 2026-12-09T11:59:00.000Z novak@a.sk  1 0"),
                 QStringLiteral("Kováč Ján 2026-12-09T12:00:00.000Z kovac@a.sk 550 no user 0 1")}));
        MonthContacts month(restarted, sheet);
        QCOMPARE(month.Load().kind, Kind::Done);
        QVERIFY(month.RemindedRecently(1, kNoon) && !month.RemindedRecently(2, kNoon));
    }

    // Root writes anything, so the file is made read-only for user nobody. It still reads.
    void readOnlyFile() {
        QCOMPARE(ContactLog(path_).Record(contact(QStringLiteral("Novák"))).kind, Kind::Done);
        QVERIFY(QFile::setPermissions(path_, QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ExeOwner | QFile::ExeOther));
        for (const QString& owned : {QFileInfo(path_).path(), path_}) {
            QVERIFY(!ChildProcess::runningAsRoot() ||
                    ::chown(qPrintable(owned), ChildProcess::kNobody, ChildProcess::kNobody) == 0);
        }
        const QByteArray before = TestFiles::read(path_);
        const auto outcome = ChildProcess::run({.dropRoot = true}, [this] {
            ContactLog log(path_);
            const ContactLogResult written = log.Record(contact(QStringLiteral("Hudák")));
            return QByteArray::number(int(written.kind)) + (written.firstOfRun ? "!" : "") +
                   QByteArray::number(monthOf(log).size());
        });
        QCOMPARE(outcome, QByteArray::number(int(Kind::ReadOnly)) + "!1");
        QCOMPARE(TestFiles::read(path_), before);
    }

    // Held by another window past the wait, garbage, or a later Fyn's log: the first result is
    // told, a second one of the same kind is not. Garbage is set aside under a stamped name and
    // a new log started; the others are left as they are.
    void failures_data() {
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<Kind>("first");
        QTest::addColumn<Kind>("second");
        QTest::addColumn<int>("recorded");
        QTest::newRow("locked") << QByteArray("BEGIN EXCLUSIVE") << Kind::Busy << Kind::Busy << 1;
        QTest::newRow("garbage bytes")
            << QByteArray(4096, 'Z') << Kind::DoneAfterSettingAside << Kind::Done << 2;
        QTest::newRow("a later Fyn's log")
            << QByteArray("PRAGMA user_version = 2") << Kind::Newer << Kind::Newer << 0;
    }
    void failures() {
        QFETCH(QByteArray, fault);
        QFETCH(Kind, first);
        QFETCH(Kind, second);
        QFETCH(int, recorded);
        QCOMPARE(ContactLog(path_).Record(contact(QStringLiteral("Novák"))).kind, Kind::Done);
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        database.setDatabaseName(path_);
        QVERIFY(database.open());
        QSqlQuery other(database);
        QVERIFY(fault.size() > 100 ? TestFiles::write(path_, fault)
                                   : other.exec(QString::fromLatin1(fault)));
        const QByteArray before = TestFiles::read(path_);
        ContactLog log(path_, 100);
        const ContactLogResult answer = log.Record(contact(QStringLiteral("Hudák")));
        QVERIFY(answer.kind == first && answer.firstOfRun);
        const ContactLogResult again = log.Record(contact(QStringLiteral("Kováč")));
        QVERIFY(again.kind == second && !again.firstOfRun);
        QCOMPARE(TestFiles::read(answer.setAsidePath.isEmpty() ? path_ : answer.setAsidePath),
                 before);
        QVERIFY(answer.setAsidePath.startsWith(path_ + QStringLiteral(".damaged-20")) ==
                (first == Kind::DoneAfterSettingAside));
        other.exec(QStringLiteral("ROLLBACK"));
        QCOMPARE(monthOf(log).size(), recorded);
    }

    // Two windows recording at once, each through its own connection, lose nothing.
    void twoWriters() {
        std::atomic<bool> done = true;
        const auto writer = [this, &done](int which) {
            ContactLog log(path_);
            for (int i = 0; i < 40; ++i) {
                done = log.Record(contact(QString::number(which))).ok() && done;
            }
        };
        std::thread first(writer, 0), second(writer, 1);
        first.join();
        second.join();
        QVERIFY(done);
        ContactLog log(path_);
        QCOMPARE(monthOf(log).size(), 80);
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

QTEST_GUILESS_MAIN(TestContactLog)
#include "TestContactLog.moc"
