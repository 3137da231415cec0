#pragma once

#include <QByteArray>
#include <QString>

namespace fyn {

// Replaces a file only once its new content is completely on disk: the content goes to a
// temporary file in the same folder, is flushed, and is renamed over the old file. On any
// failure the old file is left exactly as it was and the temporary file is removed.
class AtomicFile {
public:
    // The error number (errno) of the step that failed, 0 once the file is replaced: the
    // caller names the cause, as a full disk and a read-only file want different remedies.
    struct Outcome {
        int error = 0;
        explicit operator bool() const { return error == 0; }
    };

    // An existing file without write permission is not replaced: EACCES.
    static Outcome replace(const QString& path, const QByteArray& content);
};

} // namespace fyn
