#include "WindowIcon.h"

#include <QImageReader>
#include <QPixmap>

namespace fyn {

QIcon WindowIcon::load() {
    QImageReader reader(QStringLiteral(":/fyn/fyn.png"), QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

} // namespace fyn
