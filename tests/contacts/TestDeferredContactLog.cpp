// The contact log as the program reaches it: loaded from its module at first use, and a missing
// module told once, without stopping the reminder that asked.

#include "DeferredContactLog.h"
#include "StringTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace fyn;
using Kind = ContactLogResult::Kind;

class TestDeferredContactLog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void logIsLoadedAtFirstUse() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("contacts.sqlite"));
        DeferredContactLog log(path);
        QVERIFY(!QFile::exists(path));
        const Contact novak{3,
                            QStringLiteral("Novak"),
                            QStringLiteral("Jan"),
                            2026,
                            11,
                            QDateTime::currentDateTimeUtc(),
                            Contact::Channel::Telephone,
                            QStringLiteral("0901"),
                            {},
                            {}};
        QCOMPARE(log.Record(novak).kind, Kind::Done);
        QList<Contact> contacts;
        QCOMPARE(log.ContactsOfMonth(3, 2026, 11, contacts).kind, Kind::Done);
        QCOMPARE(contacts.size(), 1);
        QCOMPARE(contacts.constFirst().surname, novak.surname);
    }

    void missingModuleIsToldOnceAndNamed() {
        QTemporaryDir dir;
        qputenv("FYN_MODULE_DIR", QFile::encodeName(dir.path()));
        DeferredContactLog log(dir.filePath(QStringLiteral("contacts.sqlite")));
        QList<Contact> contacts;
        const ContactLogResult first = log.ContactsOfMonth(3, 2026, 11, contacts);
        const ContactLogResult second = log.Record({});
        qunsetenv("FYN_MODULE_DIR");

        QCOMPARE(first.kind, Kind::ModuleMissing);
        QVERIFY(first.firstOfRun);
        QCOMPARE(second.kind, Kind::ModuleMissing);
        QVERIFY(!second.firstOfRun);
        const QString text = first.Describe(StringTable::slovak());
        QVERIFY2(text.contains(dir.filePath(QStringLiteral("contacts.so"))), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestDeferredContactLog)
#include "TestDeferredContactLog.moc"
