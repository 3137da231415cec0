#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace fyn;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

mode_t modeOf(const QString& path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newFileFollowsTheUmask() {
        QTemporaryDir dir;
        const mode_t before = ::umask(077);
        const AtomicFile::Outcome written =
            AtomicFile::replace(dir.filePath(QStringLiteral("new.t09")), "abc");
        ::umask(before);
        QVERIFY(written);
        QCOMPARE(modeOf(dir.filePath(QStringLiteral("new.t09"))), mode_t(0600));
    }

    void replacedFileKeepsItsPermissionsAndLeavesNoTemporaryFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.t09"));
        QVERIFY(AtomicFile::replace(path, "old"));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        QVERIFY(AtomicFile::replace(path, "new content"));
        QCOMPARE(readAll(path), QByteArray("new content"));
        QCOMPARE(modeOf(path), mode_t(0640));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("sheet.t09")});
    }

    void nameAtTheLengthLimitCanBeReplaced() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString(251, QLatin1Char('s')) + QStringLiteral(".t09"));
        QVERIFY(AtomicFile::replace(path, "first"));
        QVERIFY(AtomicFile::replace(path, "second"));
        QCOMPARE(readAll(path), QByteArray("second"));
    }

    void writingThroughALinkReplacesTheFileItNames() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("real.t09"));
        const QString link = dir.filePath(QStringLiteral("link.t09"));
        QVERIFY(AtomicFile::replace(target, "old"));
        QVERIFY(QFile::link(target, link));
        QVERIFY(AtomicFile::replace(link, "new"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(target), QByteArray("new"));
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "TestAtomicFile.moc"
