#include "PrivateModule.h"

#include "ModuleInterface.h"
#include "StringTable.h"
#include "TextIds.h"

#include <QCoreApplication>
#include <QDir>

namespace fyn {

PrivateModule::PrivateModule(const QString& name)
    : library_(folder() + QLatin1Char('/') + name + QStringLiteral(".so")) {}

QString PrivateModule::errorString() const {
    return otherVersion_.isEmpty() ? library_.errorString() : otherVersion_;
}

QFunctionPointer PrivateModule::resolve(const char* symbol) {
    return loadCurrent() ? library_.resolve(symbol) : nullptr;
}

bool PrivateModule::loadCurrent() {
    if (!checked_) {
        checked_ = true;
        if (!library_.load()) {
            return false;
        }
        // A module from before the interface had a number answers none, which is not current
        // either. The refused module stays loaded: its libraries may have registered exit
        // handlers that would run into unmapped code.
        using Version = int();
        auto* version = reinterpret_cast<Version*>(library_.resolve("fynModuleInterfaceVersion"));
        current_ = version != nullptr && version() == kModuleInterfaceVersion;
        if (!current_) {
            otherVersion_ = StringTable::format(
                StringTable::translatedText(text::kModuleOtherVersion), {library_.fileName()});
        }
    }
    return current_;
}

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
