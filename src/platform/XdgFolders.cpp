#include "XdgFolders.h"

#include <QDir>

namespace fyn::XdgFolders {

namespace {

QString folder(const char* variable, const QString& fallbackUnderHome) {
    const QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        return QDir::homePath() + fallbackUnderHome;
    }
    return base;
}

} // namespace

QString configHome() {
    return folder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}
QString dataHome() {
    return folder("XDG_DATA_HOME", QStringLiteral("/.local/share"));
}

} // namespace fyn::XdgFolders
