#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

namespace fyn {

// Before a sheet file is first overwritten in a run, the file as it was is copied into a
// backup folder, so that a bad write or a wrong entry can still be undone by hand. Copies hold
// personal data: the folder is the user's alone (0700), and so is each copy (0600).
class SheetBackup {
public:
    struct Outcome {
        // Why the copy could not be made; empty when it was made or none was needed.
        QString failure;
        explicit operator bool() const { return failure.isEmpty(); }
    };

    explicit SheetBackup(QString folder, int keep = 20);

    // Copies path before its first overwrite in this run. A sheet is tried once per run, made
    // or not: after that write the file is no longer as it was.
    Outcome BackUpBeforeOverwrite(const QString& path, const QDateTime& now);

    const QString& folder() const { return folder_; }
    // $XDG_DATA_HOME/fyn/backups, by default ~/.local/share/fyn/backups.
    static QString defaultFolder();

private:
    QString makeFolder() const;
    void pruneOldCopies(const QString& baseName) const;

    QString folder_;
    int keep_;
    QSet<QString> tried_;
};

} // namespace fyn
