#pragma once

#include <QString>

namespace fyn {

// The program's two settings in an INI file with Windows semantics: case-insensitive keys,
// raw values, other lines kept. A missing or unreadable file reads as defaults.
class Settings {
public:
    explicit Settings(QString path);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    QString ReadSetting(const QString& section, const QString& key,
                        const QString& defaultValue = {}) const;
    // Whether the key is there at all, even with an empty value.
    bool HasSetting(const QString& section, const QString& key) const;
    // Failures to write are not reported; the settings are a convenience.
    void WriteSetting(const QString& section, const QString& key, const QString& value);

    const QString& path() const { return path_; }

    // $XDG_CONFIG_HOME/fyn/fyn.ini, by default ~/.config/fyn/fyn.ini.
    static QString defaultPath();
    // The Windows rule: the executable's path less its last four characters, plus ".ini".
    static QString profileNameBesideExecutable(const QString& executablePath);

private:
    QString path_;
};

} // namespace fyn
