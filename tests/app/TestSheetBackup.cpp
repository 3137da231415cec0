#include "SheetBackup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace fyn;

namespace {

void write(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSheetBackup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void copiesOncePerRunBeforeTheFirstOverwrite() {
        QTemporaryDir dir;
        const QString sheet = dir.filePath(QStringLiteral("Skupina3.t09"));
        write(sheet, "as the secretary sent it");
        SheetBackup backup(dir.filePath(QStringLiteral("backups")));
        const QDateTime now(QDate(2026, 12, 8), QTime(10, 0));
        QVERIFY(backup.BackUpBeforeOverwrite(sheet, now));
        write(sheet, "with reports");
        QVERIFY(backup.BackUpBeforeOverwrite(sheet, now.addSecs(60)));
        const QStringList copies = QDir(backup.folder()).entryList(QDir::Files);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(readAll(backup.folder() + QLatin1Char('/') + copies.first()),
                 QByteArray("as the secretary sent it"));
        // Personal data: whatever the sheet's permissions, the folder and the copy give the owner
        // (Qt's 0x7000) and so this user (0x0700) access, and group and others (0x0077) none.
        const QString copy = backup.folder() + QLatin1Char('/') + copies.first();
        QCOMPARE(int(QFile::permissions(backup.folder()) & 0x7777), 0x7700);
        QCOMPARE(int(QFile::permissions(copy) & 0x7777), 0x6600);
    }

    void aMissingSheetNeedsNoCopy() {
        QTemporaryDir dir;
        SheetBackup backup(dir.filePath(QStringLiteral("backups")));
        QVERIFY(backup.BackUpBeforeOverwrite(dir.filePath(QStringLiteral("none.t09")),
                                             QDateTime::currentDateTime()));
        QVERIFY(!QDir(backup.folder()).exists());
    }

    void keepsTheNewestCopiesOfEachSheet() {
        QTemporaryDir dir;
        const QString sheet = dir.filePath(QStringLiteral("g.t09"));
        const QString other = dir.filePath(QStringLiteral("g.t09.other.t09"));
        write(sheet, "sheet");
        write(other, "other");
        const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
        SheetBackup first(dir.filePath(QStringLiteral("backups")), 3);
        QVERIFY(first.BackUpBeforeOverwrite(other, start));
        for (int run = 0; run < 5; ++run) {
            // Each run of the program backs the sheet up once.
            SheetBackup backup(dir.filePath(QStringLiteral("backups")), 3);
            write(sheet, "run " + QByteArray::number(run));
            QVERIFY(backup.BackUpBeforeOverwrite(sheet, start.addDays(run)));
        }
        QStringList copies =
            QDir(first.folder()).entryList({QStringLiteral("g-*")}, QDir::Files, QDir::Name);
        QCOMPARE(copies.size(), 3);
        QCOMPARE(readAll(first.folder() + QLatin1Char('/') + copies.last()), QByteArray("run 4"));
        QCOMPARE(readAll(first.folder() + QLatin1Char('/') + copies.first()), QByteArray("run 2"));
        QCOMPARE(
            QDir(first.folder()).entryList({QStringLiteral("g.t09.other-*")}, QDir::Files).size(),
            1);
    }
};

QTEST_GUILESS_MAIN(TestSheetBackup)
#include "TestSheetBackup.moc"
