#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

namespace fyn {

// Before a sheet file is first overwritten in a run, the file as it was is copied into a
// backup folder, so that a bad write or a wrong entry can still be undone by hand.
class SheetBackup {
public:
    explicit SheetBackup(QString folder, int keep = 20);

    // Copies path once per run; true when the copy exists (or the file does not).
    bool BackUpBeforeOverwrite(const QString& path, const QDateTime& now);

    const QString& folder() const { return folder_; }
    // $XDG_DATA_HOME/fyn/backups, by default ~/.local/share/fyn/backups.
    static QString defaultFolder();

private:
    void pruneOldCopies(const QString& baseName) const;

    QString folder_;
    int keep_;
    QSet<QString> backedUp_;
};

} // namespace fyn
