#include "PrivateModule.h"

#include <QCoreApplication>
#include <QDir>

namespace fyn {

PrivateModule::PrivateModule(const QString& name)
    : library_(folder() + QLatin1Char('/') + name + QStringLiteral(".so")) {}

QString PrivateModule::folder() {
    const QString chosen = qEnvironmentVariable("FYN_MODULE_DIR");
    if (!chosen.isEmpty()) {
        return chosen;
    }
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(FYN_MODULE_DIR_FROM_PROGRAM));
}

} // namespace fyn
