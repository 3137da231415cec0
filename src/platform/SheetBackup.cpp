#include "SheetBackup.h"

#include "XdgFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fyn {

SheetBackup::SheetBackup(QString folder, int keep) : folder_(std::move(folder)), keep_(keep) {}

bool SheetBackup::BackUpBeforeOverwrite(const QString& path, const QDateTime& now) {
    const QFileInfo info(path);
    const QString key = info.absoluteFilePath();
    if (backedUp_.contains(key) || !info.exists()) {
        return true;
    }
    if (!QDir().mkpath(folder_)) {
        return false;
    }
    const QString stamp = now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy;
    for (int attempt = 0; copy.isEmpty() || QFileInfo::exists(copy); ++attempt) {
        copy = QStringLiteral("%1/%2-%3-%4.%5")
                   .arg(folder_, info.completeBaseName(), stamp)
                   .arg(attempt, 2, 10, QLatin1Char('0'))
                   .arg(info.suffix());
    }
    if (!QFile::copy(path, copy)) {
        return false;
    }
    backedUp_.insert(key);
    pruneOldCopies(info.completeBaseName());
    return true;
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
