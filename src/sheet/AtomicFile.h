#pragma once

#include <QByteArray>
#include <QString>

namespace fyn {

// Replaces a file only once its new content is completely on disk: the content goes to a
// temporary file in the same folder, is flushed, and is renamed over the old file. On any
// failure the old file is left exactly as it was and the temporary file is removed.
class AtomicFile {
public:
    // An existing file without write permission is not replaced.
    static bool replace(const QString& path, const QByteArray& content);
};

} // namespace fyn
