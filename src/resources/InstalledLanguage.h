#pragma once

#include <QTranslator>

namespace fyn {

struct Language;

// The interface language's translations, installed in the application while this object lives:
// Fyn's own table and dialog captions, and Qt's texts for its dialogs where the system has
// them. Only that one language's files are loaded; Slovak needs none of Fyn's.
class InstalledLanguage {
public:
    explicit InstalledLanguage(const Language& language);
    ~InstalledLanguage();
    InstalledLanguage(const InstalledLanguage&) = delete;
    InstalledLanguage& operator=(const InstalledLanguage&) = delete;

    // False when Fyn's own translation could not be loaded: the texts stay Slovak.
    bool isComplete() const { return ownLoaded_; }

    // The compiled translation of a language, embedded in the program.
    static QString resourcePath(const QString& setting);

private:
    QTranslator own_;
    QTranslator qt_;
    bool ownLoaded_ = true;
    bool qtLoaded_ = false;
};

} // namespace fyn
