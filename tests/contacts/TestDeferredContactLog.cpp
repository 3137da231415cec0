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
    void loadedAtFirstUseOrToldMissing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("contacts.sqlite"));
        const Contact novak{
            3, QStringLiteral("Novak"), {}, 2026, 11, QDateTime::currentDateTimeUtc(), {}, {}, {},
            {}};
        DeferredContactLog log(path);
        QVERIFY(!QFile::exists(path));
        QList<Contact> contacts;
        QVERIFY(log.Record(novak).ok() && log.ContactsOfMonth(3, 2026, 11, contacts).ok());
        QCOMPARE(contacts.size(), 1);

        qputenv("FYN_MODULE_DIR", QFile::encodeName(dir.path()));
        DeferredContactLog missing(path);
        const ContactLogResult first = missing.ContactsOfMonth(3, 2026, 11, contacts);
        const ContactLogResult second = missing.Record(novak);
        qunsetenv("FYN_MODULE_DIR");
        QVERIFY(first.kind == Kind::ModuleMissing && first.firstOfRun);
        QVERIFY(second.kind == Kind::ModuleMissing && !second.firstOfRun);
        const QString text = first.Describe(StringTable::slovak());
        QVERIFY2(text.contains(dir.filePath(QStringLiteral("contacts.so"))), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestDeferredContactLog)
#include "TestDeferredContactLog.moc"
