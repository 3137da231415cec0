#include "LanguageChoice.h"

#include "Language.h"
#include "Settings.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "TextIds.h"

namespace fyn {

namespace {

const QString kSection = QStringLiteral("Interface");
const QString kLanguageKey = QStringLiteral("Language");
const QString kCodePageKey = QStringLiteral("CodePage");

} // namespace

LanguageChoice LanguageChoice::fromSettings(const Settings& settings,
                                            QLocale::Language systemLanguage) {
    return choose(settings.ReadSetting(kSection, kLanguageKey),
                  settings.ReadSetting(kSection, kCodePageKey), systemLanguage);
}

LanguageChoice LanguageChoice::choose(const QString& languageSetting,
                                      const QString& codePageSetting,
                                      QLocale::Language systemLanguage) {
    LanguageChoice choice;
    if (!languageSetting.trimmed().isEmpty()) {
        choice.language_ = Language::bySetting(languageSetting);
        if (!choice.language_) {
            choice.refusedKey_ = kLanguageKey;
            choice.refusedValue_ = languageSetting;
        }
    }
    if (!choice.language_) {
        choice.language_ = Language::byLocale(systemLanguage);
    }
    if (!choice.language_) {
        choice.language_ = &Language::slovak();
    }
    choice.codePage_ = choice.language_->codePage;
    if (!choice.isRefused() && !codePageSetting.trimmed().isEmpty()) {
        choice.codePage_ = TextCodec::knownCodePage(codePageSetting);
        if (choice.codePage_.isEmpty()) {
            choice.refusedKey_ = kCodePageKey;
            choice.refusedValue_ = codePageSetting;
        }
    }
    return choice;
}

QString LanguageChoice::terminalMessage(const QString& settingsPath) const {
    const QString known = refusedKey_ == kLanguageKey
                              ? QStringLiteral("sk, cs, pl, fr, el, tr, et or en")
                              : QStringLiteral("a Windows code page such as windows-1250");
    return QStringLiteral("Fyn cannot start: %1=%2 in section [%3] of %4 is unknown; "
                          "set %5 or remove the line. No sheet was read or written.\n")
        .arg(refusedKey_, refusedValue_, kSection, settingsPath, known);
}

QString LanguageChoice::windowMessage(const StringTable& strings,
                                      const QString& settingsPath) const {
    const int id = refusedKey_ == kLanguageKey ? text::kUnknownLanguage : text::kUnknownCodePage;
    return strings.text(id, {refusedValue_, settingsPath});
}

} // namespace fyn
