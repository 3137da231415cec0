#include "ChildProcess.h"
#include "ContactHistory.h"
#include "ContactLog.h"
#include "StringTable.h"
#include "TestFiles.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <thread>
#include <unistd.h>

using namespace fyn;
using fyn::test::ChildLimits;
using fyn::test::ChildProcess;
using fyn::test::TestFiles;
using Kind = ContactLogResult::Kind;

namespace {

const QDateTime kNoon(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);

Contact contact(const QString& surname, Contact::Channel channel, const QDateTime& when,
                Contact::Result result = Contact::Result::Done, int group = 3, int month = 11) {
    return {group,
            surname,
            QStringLiteral("Ján"),
            2026,
            month,
            when,
            channel,
            QStringLiteral("%1@example.org").arg(surname.toLower()),
            result,
            result == Contact::Result::Failed ? QStringLiteral("550 no such user") : QString()};
}

QList<Contact> monthOf(ContactLog& log, ContactLogResult* answer = nullptr) {
    QList<Contact> contacts;
    const ContactLogResult result = log.ContactsOfMonth(3, 2026, 11, contacts);
    if (answer != nullptr) {
        *answer = result;
    }
    return contacts;
}

// Another program's connection to the same file.
class OtherConnection {
public:
    explicit OtherConnection(const QString& path) {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        database.setDatabaseName(path);
        database.open();
    }
    ~OtherConnection() {
        QSqlDatabase::database(kName, false).close();
        QSqlDatabase::removeDatabase(kName);
    }
    bool exec(const QString& statement) {
        return QSqlQuery(QSqlDatabase::database(kName, false)).exec(statement);
    }

private:
    const QString kName = QStringLiteral("other");
};

} // namespace

class TestContactLog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        path_ = dir_->filePath(QStringLiteral("fyn/contacts.sqlite"));
    }

    // What one run records, the next reads back: the month's contacts of the group alone, in
    // order, in a folder and file for the user alone.
    void restartRemembers() {
        const QList<Contact> recorded{
            contact(QStringLiteral("Novák"), Contact::Channel::Email, kNoon.addDays(-2)),
            contact(QStringLiteral("Novák"), Contact::Channel::Telephone, kNoon.addSecs(-3600)),
            contact(QStringLiteral("Hudák"), Contact::Channel::MailClient, kNoon.addSecs(-60)),
            contact(QStringLiteral("Kováč"), Contact::Channel::Email, kNoon.addSecs(-30),
                    Contact::Result::Failed)};
        {
            ContactLog log(path_);
            QVERIFY(!QFileInfo::exists(path_)); // nothing happens before the first use
            for (const Contact& each : recorded) {
                QCOMPARE(log.Record(each).kind, Kind::Done);
            }
            QCOMPARE(log.Record(contact(QStringLiteral("Iný"), Contact::Channel::Email, kNoon,
                                        Contact::Result::Done, 4))
                         .kind,
                     Kind::Done);
            QCOMPARE(log.Record(contact(QStringLiteral("Iný"), Contact::Channel::Email, kNoon,
                                        Contact::Result::Done, 3, 10))
                         .kind,
                     Kind::Done);
        }
        QCOMPARE(QFileInfo(path_).permissions() & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(QFileInfo(QFileInfo(path_).path()).permissions() & 0x0FFF,
                 QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);

        ContactLog restarted(path_);
        const QList<Contact> read = monthOf(restarted);
        QCOMPARE(read.size(), recorded.size());
        for (qsizetype i = 0; i < read.size(); ++i) {
            const Contact& a = read[i];
            const Contact& b = recorded[i];
            QVERIFY(a.surname == b.surname && a.firstName == b.firstName && a.when == b.when &&
                    a.channel == b.channel && a.address == b.address && a.result == b.result &&
                    a.detail == b.detail);
        }

        // Kováč's failed mail neither hides Hudák's nor counts as a reminder.
        const ContactHistory history(read);
        const QString jan = QStringLiteral("Ján");
        QCOMPARE(history.Last(QStringLiteral("Novák"), jan)->channel, Contact::Channel::Telephone);
        QVERIFY(!history.RemindedRecently(QStringLiteral("Novák"), jan, kNoon));
        QVERIFY(history.RemindedRecently(QStringLiteral("Hudák"), jan, kNoon));
        QVERIFY(!history.RemindedRecently(QStringLiteral("Hudák"), jan, kNoon.addDays(1)));
        QVERIFY(!history.RemindedRecently(QStringLiteral("Kováč"), jan, kNoon));
        QVERIFY(history.Last(QStringLiteral("Iný"), jan) == nullptr);
    }

    // Permissions do not stop root, so the file is made read-only for user nobody.
    void readOnlyFileStillReads() {
        {
            ContactLog log(path_);
            QCOMPARE(
                log.Record(contact(QStringLiteral("Novák"), Contact::Channel::Email, kNoon)).kind,
                Kind::Done);
        }
        QVERIFY(QFile::setPermissions(path_, QFile::ReadOwner));
        if (ChildProcess::runningAsRoot()) {
            QVERIFY(QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                            QFile::ExeOwner | QFile::ExeOther));
            const QString folder = QFileInfo(path_).path();
            QVERIFY(::chown(qPrintable(folder), ChildProcess::kNobody, ChildProcess::kNobody) == 0);
            QVERIFY(::chown(qPrintable(path_), ChildProcess::kNobody, ChildProcess::kNobody) == 0);
        }
        const QByteArray before = TestFiles::read(path_);
        const auto outcome = ChildProcess::run({.dropRoot = true}, [this] {
            ContactLog log(path_);
            const ContactLogResult written =
                log.Record(contact(QStringLiteral("Hudák"), Contact::Channel::Email, kNoon));
            ContactLogResult read;
            const qsizetype count = monthOf(log, &read).size();
            return QByteArray::number(int(written.kind)) + ' ' +
                   QByteArray::number(written.firstOfRun) + ' ' +
                   QByteArray::number(int(read.kind)) + ' ' + QByteArray::number(count);
        });
        QVERIFY(outcome.has_value());
        QCOMPARE(*outcome, QByteArray::number(int(Kind::ReadOnly)) + " 1 " +
                               QByteArray::number(int(Kind::Done)) + " 1");
        QCOMPARE(TestFiles::read(path_), before);
    }

    // Another window holds the file for longer than the wait: the contact is refused, told
    // once, and goes in once the file is free.
    void lockedDatabase() {
        ContactLog log(path_, 100);
        QCOMPARE(log.Record(contact(QStringLiteral("Novák"), Contact::Channel::Email, kNoon)).kind,
                 Kind::Done);
        {
            OtherConnection other(path_);
            QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            const ContactLogResult first =
                log.Record(contact(QStringLiteral("Hudák"), Contact::Channel::Email, kNoon));
            QCOMPARE(first.kind, Kind::Busy);
            QVERIFY(first.firstOfRun);
            QVERIFY(first.Describe(StringTable::slovak()).contains(path_));
            ContactLogResult second;
            monthOf(log, &second);
            QCOMPARE(second.kind, Kind::Busy);
            QVERIFY(!second.firstOfRun);
            QVERIFY(other.exec(QStringLiteral("ROLLBACK")));
        }
        QCOMPARE(log.Record(contact(QStringLiteral("Hudák"), Contact::Channel::Email, kNoon)).kind,
                 Kind::Done);
        QCOMPARE(monthOf(log).size(), 2);
    }

    void unusableFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("kind");
        QByteArray garbage(4096, '\0');
        for (int i = 0; i < garbage.size(); ++i) {
            garbage[i] = char(i * 131 + 7);
        }
        QTest::newRow("garbage bytes") << garbage << int(Kind::DoneAfterSettingAside);
        QTest::newRow("a later Fyn's file") << QByteArray() << int(Kind::Newer);
    }

    // A file that is no database is set aside under a stamped name and a new log started; a
    // later Fyn's log is left as it is.
    void unusableFile() {
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QVERIFY(QDir().mkpath(QFileInfo(path_).path()));
        if (content.isEmpty()) {
            OtherConnection later(path_);
            QVERIFY(later.exec(QStringLiteral("PRAGMA user_version = 2")));
        } else {
            QVERIFY(TestFiles::write(path_, content));
        }
        const QByteArray before = TestFiles::read(path_);
        ContactLog log(path_);
        const ContactLogResult result =
            log.Record(contact(QStringLiteral("Novák"), Contact::Channel::Email, kNoon));
        QCOMPARE(int(result.kind), kind);
        QVERIFY(result.firstOfRun);
        if (result.kind == Kind::Newer) {
            QCOMPARE(TestFiles::read(path_), before);
            return;
        }
        QVERIFY(result.setAsidePath.startsWith(path_ + QStringLiteral(".damaged-2")));
        QCOMPARE(TestFiles::read(result.setAsidePath), before);
        QCOMPARE(monthOf(log).size(), 1);
        QCOMPARE(QFileInfo(path_).permissions() & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
    }

    // Two windows recording at once, each through its own connection, lose nothing.
    void twoWriters() {
        constexpr int kEach = 40;
        const auto writer = [this](const QString& surname, bool* allDone) {
            ContactLog log(path_);
            for (int i = 0; i < kEach; ++i) {
                *allDone =
                    log.Record(contact(surname, Contact::Channel::Email, kNoon.addSecs(i))).ok() &&
                    *allDone;
            }
        };
        bool firstDone = true;
        bool secondDone = true;
        std::thread first(writer, QStringLiteral("Novák"), &firstDone);
        std::thread second(writer, QStringLiteral("Hudák"), &secondDone);
        first.join();
        second.join();
        QVERIFY(firstDone && secondDone);
        ContactLog log(path_);
        QCOMPARE(monthOf(log).size(), 2 * kEach);
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

QTEST_GUILESS_MAIN(TestContactLog)
#include "TestContactLog.moc"
