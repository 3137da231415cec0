#include "ChildProcess.h"
#include "ForkedWrite.h"
#include "GroupSheet.h"
#include "RecordingMessageBoxes.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TestFiles.h"
#include "TextIds.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace fyn;
using namespace fyn::test;

namespace {

enum class Fault {
    DiskFull,
    ReadOnlyFolder,
    ReadOnlyFolderNewFile,
    ReadOnlyFile,
    MissingFolder,
    FolderInTheWay,
    ImmutableFolder,
};

constexpr QFile::Permissions kOpen = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                     QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                     QFile::ExeOther;
constexpr QFile::Permissions kReadOnlyFolder = kOpen & ~QFile::WriteOwner;
constexpr QFile::Permissions kReadOnlyFile = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
constexpr QFile::Permissions kWritableByAll =
    kReadOnlyFile | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

SheetBuilder sheetOf(const char* firstName, const char* surname, quint32 seed) {
    SheetBuilder sheet;
    sheet.setGroupNumber(4);
    sheet.setReportMonth(10);
    sheet.addPublisher(firstName, surname, "a@example.com", "0905 000 000");
    sheet.addPublisher("Eva", "Kov\xE1\xE8ov\xE1");
    sheet.addPublisher("\xC1"
                       "gnes",
                       "Szab\xF3");
    sheet.addRemark("0");
    QRandomGenerator random(seed);
    sheet.fillCarried(random);
    return sheet;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

// Writes that fail for real: a disk that fills up, folders and files without write permission.
// Each runs in a child process, so the limits stay there. Whatever fails, the old file stays
// as it was, no temporary file is left behind, the user is told the full path and the cause
// (the advice about permissions only where they stand in the way), and the sheet in memory
// keeps its plain names.
class TestWriteFailures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        dir_.emplace();
        QVERIFY(dir_->isValid());
        // The child may run as nobody, who must reach the folder.
        QVERIFY(QFile::setPermissions(dir_->path(), kOpen));
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("sheets")));
        oldPath_ = QDir(sheetsFolder()).filePath(QStringLiteral("Skupina4.t09"));
        oldFile_ = sheetOf("Star\xFD", "Z\xE1znam", 1).build();
        newFile_ = sheetOf("J\xE1n", "\x8Eilinsk\xFD", 2).build();
        QVERIFY(TestFiles::write(oldPath_, oldFile_));
        QVERIFY(TestFiles::write(dir_->filePath(QStringLiteral("new.t09")), newFile_));
        boxes_.clear();
        savedCurrentPath_ = QDir::currentPath();
    }

    void cleanup() {
        if (immutable_) {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), sheetsFolder()});
            immutable_ = false;
        }
        QDir::setCurrent(savedCurrentPath_);
        QFile::setPermissions(sheetsFolder(), kOpen);
        dir_.reset();
    }

    void writeInChildWithoutFault() {
        GroupSheet sheet;
        QVERIFY(sheet.Load(dir_->filePath(QStringLiteral("new.t09"))));
        const auto outcome = ForkedWrite::run(sheet, boxes_, oldPath_, {});
        QVERIFY(outcome.has_value());
        QVERIFY(outcome->written);
        QVERIFY(outcome->texts.isEmpty());
        QCOMPARE(TestFiles::read(oldPath_), newFile_);
    }

    void failedWriteLeavesEverythingAsItWas_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<qint64>("sizeLimit");
        QTest::addColumn<bool>("relative");

        const auto size = static_cast<qint64>(sheetOf("", "", 0).build().size());
        QTest::newRow("disk full at once") << Fault::DiskFull << qint64(0) << false;
        QTest::newRow("disk full inside the header") << Fault::DiskFull << qint64(500) << false;
        QTest::newRow("disk full after two records") << Fault::DiskFull << qint64(2 * 816) << false;
        QTest::newRow("disk full at the last byte") << Fault::DiskFull << size - 1 << false;
        QTest::newRow("disk full, relative path") << Fault::DiskFull << qint64(1000) << true;
        QTest::newRow("read-only folder") << Fault::ReadOnlyFolder << qint64(-1) << false;
        QTest::newRow("read-only folder, new file")
            << Fault::ReadOnlyFolderNewFile << qint64(-1) << false;
        QTest::newRow("read-only file") << Fault::ReadOnlyFile << qint64(-1) << false;
        QTest::newRow("read-only file, relative path") << Fault::ReadOnlyFile << qint64(-1) << true;
        QTest::newRow("missing folder") << Fault::MissingFolder << qint64(-1) << false;
        QTest::newRow("missing folder, relative path")
            << Fault::MissingFolder << qint64(-1) << true;
        QTest::newRow("folder in the way") << Fault::FolderInTheWay << qint64(-1) << false;
        QTest::newRow("immutable folder") << Fault::ImmutableFolder << qint64(-1) << false;
    }

    void failedWriteLeavesEverythingAsItWas() {
        QFETCH(Fault, fault);
        QFETCH(qint64, sizeLimit);
        QFETCH(bool, relative);

        GroupSheet sheet;
        QVERIFY(sheet.Load(dir_->filePath(QStringLiteral("new.t09"))));
        const QByteArrayList names = ForkedWrite::names(sheet);
        QCOMPARE(names.first(), QByteArray("J\xE1n \x8Eilinsk\xFD"));

        QString path = oldPath_;
        ChildLimits limits;
        limits.fileSizeLimit = sizeLimit;
        const StringTable& slovak = StringTable::slovak();
        const auto cause = [&slovak](int reason) {
            return slovak.text(text::kCannotWriteSheet,
                               {QStringLiteral("%1"), slovak.text(reason)});
        };
        QString told = slovak.text(text::kCannotCreateFile);
        switch (fault) {
        case Fault::DiskFull:
            told = cause(text::kNoSpaceLeft);
            break;
        case Fault::ReadOnlyFolder:
            // Only the folder stands in the way: the file itself could be written.
            QVERIFY(QFile::setPermissions(oldPath_, kWritableByAll));
            QVERIFY(QFile::setPermissions(sheetsFolder(), kReadOnlyFolder));
            limits.dropRoot = true;
            break;
        case Fault::ReadOnlyFolderNewFile:
            QVERIFY(QFile::setPermissions(sheetsFolder(), kReadOnlyFolder));
            path = QDir(sheetsFolder()).filePath(QStringLiteral("Nova.t09"));
            limits.dropRoot = true;
            break;
        case Fault::ReadOnlyFile:
            // Root may write anything, but a read-only file is still not replaced.
            QVERIFY(QFile::setPermissions(oldPath_, kReadOnlyFile));
            break;
        case Fault::MissingFolder:
            path = dir_->filePath(QStringLiteral("missing/Skupina4.t09"));
            told = cause(text::kNoSuchFileOrFolder);
            break;
        case Fault::FolderInTheWay:
            path = QDir(sheetsFolder()).filePath(QStringLiteral("Priecinok.t09"));
            told = cause(text::kIsAFolder);
            QVERIFY(QDir(sheetsFolder()).mkdir(QStringLiteral("Priecinok.t09")));
            break;
        case Fault::ImmutableFolder:
            // Not even root may add a file to it: the system answers EPERM, not EACCES.
            if (QProcess::execute(QStringLiteral("chattr"),
                                  {QStringLiteral("+i"), sheetsFolder()}) != 0) {
                QSKIP("chattr +i is not allowed here");
            }
            immutable_ = true;
            told = cause(text::kNoPermission);
            break;
        }
        QString fullPath = path;
        if (relative) {
            QVERIFY(QDir::setCurrent(dir_->path()));
            path = QDir(dir_->path()).relativeFilePath(path);
            QVERIFY(QDir::isRelativePath(path));
            fullPath = QDir::currentPath() + QLatin1Char('/') + path;
        }
        const QStringList entriesBefore = TestFiles::entries(sheetsFolder());
        const QStringList topBefore = TestFiles::entries(dir_->path());

        const auto outcome = ForkedWrite::run(sheet, boxes_, path, limits);
        QVERIFY2(outcome.has_value(), "the child process did not report back");
        QVERIFY(!outcome->written);
        QCOMPARE(outcome->texts, QStringList{told.replace(QStringLiteral("%1"), fullPath)});
        QVERIFY(outcome->recordsUnchanged);
        QCOMPARE(outcome->names, names);

        QCOMPARE(TestFiles::read(oldPath_), oldFile_);
        QCOMPARE(TestFiles::entries(sheetsFolder()), entriesBefore);
        QCOMPARE(TestFiles::entries(dir_->path()), topBefore);
    }

private:
    QString sheetsFolder() const { return dir_->filePath(QStringLiteral("sheets")); }

    std::optional<QTemporaryDir> dir_;
    QString oldPath_;
    QByteArray oldFile_;
    QByteArray newFile_;
    RecordingMessageBoxes boxes_;
    QString savedCurrentPath_;
    bool immutable_ = false;
};

QTEST_GUILESS_MAIN(TestWriteFailures)
#include "TestWriteFailures.moc"
