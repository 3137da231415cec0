#pragma once

#include <QByteArray>
#include <QString>

namespace fyn {

// Writes an export's whole content to a file that is replaced only when it is complete.
// QSaveFile alone commits even when its buffered writes failed, so a full disk would leave a
// cut-short file reported as written: here every write is unbuffered and checked.
class SavedFile {
public:
    // Answers an empty text on success, else the reason. "-" is standard output; a path that
    // names a pipe or a device is written into, as there is no file to replace.
    static QString Write(const QString& path, const QByteArray& content);
};

} // namespace fyn
