#include "SheetBackup.h"

#include "XdgFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

namespace fyn {

namespace {

constexpr QFile::Permissions kOwnerOnlyFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr mode_t kOwnerOnlyFolder = 0700;

} // namespace

SheetBackup::SheetBackup(QString folder, int keep) : folder_(std::move(folder)), keep_(keep) {}

SheetBackup::Outcome SheetBackup::BackUpBeforeOverwrite(const QString& path, const QDateTime& now) {
    const QFileInfo info(path);
    const QString key = info.absoluteFilePath();
    if (tried_.contains(key) || !info.exists()) {
        return {};
    }
    tried_.insert(key);
    if (QString failure = makeFolder(); !failure.isEmpty()) {
        return {failure};
    }
    const QString stamp = now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy;
    for (int attempt = 0; copy.isEmpty() || QFileInfo::exists(copy); ++attempt) {
        copy = QStringLiteral("%1/%2-%3-%4.%5")
                   .arg(folder_, info.completeBaseName(), stamp)
                   .arg(attempt, 2, 10, QLatin1Char('0'))
                   .arg(info.suffix());
    }
    QFile original(path);
    if (!original.copy(copy)) {
        return {original.errorString()};
    }
    // A copy takes the sheet's own permissions, often readable by all.
    QFile copied(copy);
    if (!copied.setPermissions(kOwnerOnlyFile)) {
        const QString failure = copied.errorString();
        copied.remove();
        return {failure};
    }
    pruneOldCopies(info.completeBaseName());
    return {};
}

QString SheetBackup::makeFolder() const {
    // Created level by level, each missing one the user's alone; Qt's mkpath takes the umask.
    const QString absolute = QDir::cleanPath(QDir(folder_).absolutePath());
    QString made;
    for (const QString& part : absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        made += QLatin1Char('/') + part;
        const QByteArray name = QFile::encodeName(made);
        struct stat status {};
        if (::stat(name.constData(), &status) == 0 && S_ISDIR(status.st_mode)) {
            continue;
        }
        if (::mkdir(name.constData(), kOwnerOnlyFolder) != 0 && errno != EEXIST) {
            return qt_error_string(errno);
        }
    }
    if (!QFileInfo(absolute).isDir()) {
        return qt_error_string(ENOTDIR);
    }
    // A folder made by an earlier version may be open to others; the copies are not.
    ::chmod(QFile::encodeName(absolute).constData(), kOwnerOnlyFolder);
    return {};
}

void SheetBackup::pruneOldCopies(const QString& baseName) const {
    // The stamp sorts by time, so the oldest copies of this sheet come first.
    const QStringList copies = QDir(folder_).entryList(
        {baseName + QStringLiteral("-[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]-*")}, QDir::Files,
        QDir::Name);
    for (qsizetype i = 0; i + keep_ < copies.size(); ++i) {
        QFile::remove(folder_ + QLatin1Char('/') + copies[i]);
    }
}

QString SheetBackup::defaultFolder() {
    return XdgFolders::dataHome() + QStringLiteral("/fyn/backups");
}

} // namespace fyn
