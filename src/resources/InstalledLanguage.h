#pragma once

#include <QLocale>
#include <QTranslator>

namespace fyn {

struct Language;

// The interface language's translations, installed in the application while this object lives:
// Fyn's own table and dialog captions, and Qt's texts for its dialogs where the system has
// them. Only that one language's files are loaded; Slovak needs none of Fyn's. A translation
// that cannot be loaded leaves the texts in Slovak. The language's way of writing dates is the
// default locale's meanwhile.
class InstalledLanguage {
public:
    explicit InstalledLanguage(const Language& language);
    ~InstalledLanguage();
    InstalledLanguage(const InstalledLanguage&) = delete;
    InstalledLanguage& operator=(const InstalledLanguage&) = delete;

    // The compiled translation of a language, embedded in the program.
    static QString resourcePath(const QString& setting);

private:
    // Each removes itself from the application when destroyed.
    QTranslator own_;
    QTranslator qt_;
    QLocale previousFormats_;
};

} // namespace fyn
