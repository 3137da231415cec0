#include "SavedFile.h"

#include <QSaveFile>

namespace fyn {

QString SavedFile::Write(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    // A short write is retried, which then answers the reason.
    for (qsizetype done = 0; done < content.size();) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0) {
            return file.errorString();
        }
        done += written;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

} // namespace fyn
