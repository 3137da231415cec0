#include "InstalledLanguage.h"

#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace fyn {

InstalledLanguage::InstalledLanguage(const Language& language) {
    if (language.hasQtTranslation &&
        qt_.load(QLocale(language.locale), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qtLoaded_ = QCoreApplication::installTranslator(&qt_);
    }
    if (!language.isSlovak()) {
        // Installed last, so that it is asked first.
        ownLoaded_ =
            own_.load(resourcePath(language.setting)) && QCoreApplication::installTranslator(&own_);
    }
}

InstalledLanguage::~InstalledLanguage() {
    if (ownLoaded_) {
        QCoreApplication::removeTranslator(&own_);
    }
    if (qtLoaded_) {
        QCoreApplication::removeTranslator(&qt_);
    }
}

QString InstalledLanguage::resourcePath(const QString& setting) {
    return QStringLiteral(":/i18n/fyn_%1.qm").arg(setting);
}

} // namespace fyn
