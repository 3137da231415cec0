#include "InstalledLanguage.h"

#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace fyn {

InstalledLanguage::InstalledLanguage(const Language& language) {
    QLocale::setDefault(language.formats());
    if (language.hasQtTranslation &&
        qt_.load(QLocale(language.locale), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
    // Installed last, so that it is asked first.
    if (!language.isSlovak() && own_.load(resourcePath(language.setting))) {
        QCoreApplication::installTranslator(&own_);
    }
}

InstalledLanguage::~InstalledLanguage() {
    QLocale::setDefault(previousFormats_);
}

QString InstalledLanguage::resourcePath(const QString& setting) {
    return QStringLiteral(":/i18n/fyn_%1.qm").arg(setting);
}

} // namespace fyn
