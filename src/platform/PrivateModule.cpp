#include "PrivateModule.h"

#include <QCoreApplication>
#include <QDir>

namespace fyn {

PrivateModule::PrivateModule(const QString& name)
    : library_(folder() + QLatin1Char('/') + name + QStringLiteral(".so")) {}

QString PrivateModule::folder() {
#ifdef FYN_MODULE_DIR_FROM_ENVIRONMENT
    // Only a build with the tests listens: an installed Fyn runs code from its own library
    // folder alone, whatever the environment it is started in says.
    const QString chosen = qEnvironmentVariable("FYN_MODULE_DIR");
    if (!chosen.isEmpty()) {
        return chosen;
    }
#endif
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(FYN_MODULE_DIR_FROM_PROGRAM));
}

} // namespace fyn
