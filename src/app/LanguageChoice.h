#pragma once

#include <QLocale>
#include <QString>

namespace fyn {

struct Language;
class Settings;
class StringTable;

// Which interface language and sheet code page a run uses: fyn.ini's [Interface] Language when
// set, else the system locale's language when Fyn has it, else Slovak; the language's code
// page unless [Interface] CodePage names another. The window and the command-line paths choose
// alike, and none of them writes these settings.
class LanguageChoice {
public:
    static LanguageChoice fromSettings(const Settings& settings, QLocale::Language systemLanguage);
    static LanguageChoice choose(const QString& languageSetting, const QString& codePageSetting,
                                 QLocale::Language systemLanguage);

    const Language& language() const { return *language_; }
    const QString& codePage() const { return codePage_; }

    // A setting that names no language or code page Fyn knows refuses the start, before any
    // sheet is touched: guessing would read and write the sheet in the wrong code page.
    bool isRefused() const { return !refusedKey_.isEmpty(); }
    // Why, in English for the terminal, and in the interface language for the window.
    QString terminalMessage(const QString& settingsPath) const;
    QString windowMessage(const StringTable& strings, const QString& settingsPath) const;

private:
    const Language* language_ = nullptr;
    QString codePage_;
    QString refusedKey_;
    QString refusedValue_;
};

} // namespace fyn
