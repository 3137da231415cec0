#pragma once

#include <QLocale>
#include <QString>
#include <vector>

namespace fyn {

// An interface language: how fyn.ini names it, the system locale's language that picks it, the
// code page its sheets are written in, and whether Qt's own texts exist for it on the system.
struct Language {
    QString setting;
    QLocale::Language locale;
    QString codePage;
    bool hasQtTranslation;

    bool isSlovak() const { return setting == QLatin1String("sk"); }
    // How the language writes dates and numbers; English as in Britain, like its translation.
    QLocale formats() const;

    // Slovak first: the original's language and the fallback.
    static const std::vector<Language>& all();
    static const Language& slovak() { return all().front(); }
    // Null for a setting that names none of them; the case of letters is ignored.
    static const Language* bySetting(const QString& setting);
    static const Language* byLocale(QLocale::Language locale);
};

} // namespace fyn
