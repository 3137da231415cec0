#include "AtomicFile.h"

#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fyn {

namespace {

int writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        data += written;
        size -= written;
    }
    return 0;
}

// The error of a step that answers 0 or -1 with errno.
int errorOf(int answer) {
    return answer == 0 ? 0 : errno;
}

void syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Root passes every permission check, so the write bits are looked at as well.
bool isWritableFile(const QByteArray& path, const struct stat& status) {
    constexpr mode_t anyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
    return (status.st_mode & anyWriteBit) != 0 && ::access(path.constData(), W_OK) == 0;
}

} // namespace

AtomicFile::Outcome AtomicFile::replace(const QString& path, const QByteArray& content) {
    // Writing through a symbolic link replaces the file it names, not the link.
    const QFileInfo info(path);
    const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    const QByteArray targetPath = QFileInfo(target).absoluteFilePath().toLocal8Bit();
    const QByteArray folder = QFileInfo(target).absolutePath().toLocal8Bit();

    // A new file gets the permissions the user's umask allows, as any newly created file would.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode_t mode = static_cast<mode_t>(0666 & ~mask);
    struct stat existing {};
    const bool replacing = ::stat(targetPath.constData(), &existing) == 0;
    if (replacing) {
        if (S_ISDIR(existing.st_mode)) {
            return {EISDIR};
        }
        if (!S_ISREG(existing.st_mode)) {
            return {EINVAL};
        }
        if (!isWritableFile(targetPath, existing)) {
            return {EACCES};
        }
        mode = existing.st_mode & 07777;
    }

    // A short name, so that a file name near the length limit can still be replaced.
    QByteArray temporary = folder + "/.fyn-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return {errno};
    }
    // The first failure is the one the user is told.
    int error = writeAll(fd, content.constData(), content.size());
    if (error == 0 && replacing) {
        // Keep the owner when root writes somebody's sheet; failing to is no reason to stop.
        [[maybe_unused]] const int kept = ::fchown(fd, existing.st_uid, existing.st_gid);
    }
    error = error != 0 ? error : errorOf(::fchmod(fd, mode));
    error = error != 0 ? error : errorOf(::fsync(fd));
    const int closed = errorOf(::close(fd));
    error = error != 0 ? error : closed;
    error = error != 0 ? error : errorOf(::rename(temporary.constData(), targetPath.constData()));
    if (error != 0) {
        ::unlink(temporary.constData());
        return {error};
    }
    syncFolder(folder);
    return {};
}

} // namespace fyn
