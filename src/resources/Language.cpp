#include "Language.h"

namespace fyn {

const std::vector<Language>& Language::all() {
    static const std::vector<Language> languages{
        {QStringLiteral("sk"), QLocale::Slovak, QStringLiteral("windows-1250"), true},
        {QStringLiteral("cs"), QLocale::Czech, QStringLiteral("windows-1250"), true},
        {QStringLiteral("pl"), QLocale::Polish, QStringLiteral("windows-1250"), true},
        {QStringLiteral("fr"), QLocale::French, QStringLiteral("windows-1252"), true},
        {QStringLiteral("el"), QLocale::Greek, QStringLiteral("windows-1253"), false},
        {QStringLiteral("tr"), QLocale::Turkish, QStringLiteral("windows-1254"), true},
        {QStringLiteral("et"), QLocale::Estonian, QStringLiteral("windows-1257"), false},
        // Its users are congregations in Slovakia and Czechia, whose secretaries write 1250.
        {QStringLiteral("en"), QLocale::English, QStringLiteral("windows-1250"), false},
    };
    return languages;
}

QLocale Language::formats() const {
    return locale == QLocale::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                      : QLocale(locale);
}

const Language* Language::bySetting(const QString& setting) {
    const QString wanted = setting.trimmed().toLower();
    for (const Language& language : all()) {
        if (language.setting == wanted) {
            return &language;
        }
    }
    return nullptr;
}

const Language* Language::byLocale(QLocale::Language locale) {
    for (const Language& language : all()) {
        if (language.locale == locale) {
            return &language;
        }
    }
    return nullptr;
}

} // namespace fyn
