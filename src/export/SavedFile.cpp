#include "SavedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace fyn {

namespace {

// A short write is retried, which then answers the reason.
QString writeWhole(QFileDevice& file, const QByteArray& content) {
    for (qsizetype done = 0; done < content.size();) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0) {
            return file.errorString();
        }
        done += written;
    }
    return {};
}

// Standard output, a pipe or a device: nothing there to replace, so the content goes straight
// in, every write checked.
QString writeStream(QFile& file, const QByteArray& content) {
    if (QString failure = writeWhole(file, content); !failure.isEmpty()) {
        return failure;
    }
    return file.flush() ? QString() : file.errorString();
}

} // namespace

QString SavedFile::Write(const QString& path, const QByteArray& content) {
    if (path == QStringLiteral("-")) {
        QFile output;
        if (!output.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return output.errorString();
        }
        return writeStream(output, content);
    }
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        QFile output(path);
        if (!output.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return output.errorString();
        }
        return writeStream(output, content);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    if (QString failure = writeWhole(file, content); !failure.isEmpty()) {
        return failure;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

} // namespace fyn
