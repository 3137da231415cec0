// The contact log as the program reaches it: loaded from its module at first use, and a module
// that cannot be used told once, without stopping the reminder that asked.

#include "DeferredContactLog.h"
#include "StringTable.h"
#include "TextIds.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace fyn;
using Kind = ContactLogResult::Kind;

namespace {

Contact novak() {
    return {3, QStringLiteral("Novak"), {}, 2026, 11, QDateTime::currentDateTimeUtc(), {}, {}, {},
            {}};
}

} // namespace

class TestDeferredContactLog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadedAtFirstUse() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("contacts.sqlite"));
        DeferredContactLog log(path);
        QVERIFY(!QFile::exists(path));
        QList<Contact> contacts;
        QVERIFY(log.Record(novak()).ok() && log.ContactsOfMonth(3, 2026, 11, contacts).ok());
        QCOMPARE(contacts.size(), 1);
    }

    // A module that a package upgrade put under the running program is refused as a missing
    // one is, and the message says why.
    void refusedLikeMissing_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("otherVersion");
        QTest::newRow("missing") << QString() << false;
        QTest::newRow("built for another version") << QStringLiteral(FYN_OTHER_VERSION_DIR) << true;
    }
    void refusedLikeMissing() {
        QFETCH(QString, folder);
        QFETCH(bool, otherVersion);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("contacts.sqlite"));
        const QString modules = folder.isEmpty() ? dir.path() : folder;
        qputenv("FYN_MODULE_DIR", QFile::encodeName(modules));
        DeferredContactLog missing(path);
        QList<Contact> contacts;
        const ContactLogResult first = missing.ContactsOfMonth(3, 2026, 11, contacts);
        const ContactLogResult second = missing.Record(novak());
        qunsetenv("FYN_MODULE_DIR");
        QVERIFY(first.kind == Kind::ModuleMissing && first.firstOfRun);
        QVERIFY(second.kind == Kind::ModuleMissing && !second.firstOfRun);
        QVERIFY(!QFile::exists(path));
        const QString module = modules + QStringLiteral("/contacts.so");
        const QString text = first.Describe(StringTable::slovak());
        QVERIFY2(text.contains(module), qPrintable(text));
        QCOMPARE(text.contains(StringTable::slovak().text(text::kModuleOtherVersion, {module})),
                 otherVersion);
    }
};

QTEST_GUILESS_MAIN(TestDeferredContactLog)
#include "TestDeferredContactLog.moc"
