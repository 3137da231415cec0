#include "Settings.h"

#include "AtomicFile.h"
#include "XdgFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
// Debian's SimpleIni.h keeps the templates' bodies behind SI_IMPLEMENTATION and ships them
// instantiated in libsimpleini.so.1; with them compiled in here, the start maps one shared
// object less.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace fyn {

namespace {

void loadIni(CSimpleIniA& ini, const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray content = file.readAll();
        if (ini.LoadData(content.constData(), static_cast<size_t>(content.size())) < 0) {
            ini.Reset();
        }
    }
}

} // namespace

Settings::Settings(QString path) : path_(std::move(path)) {}

Settings::~Settings() = default;

QString Settings::ReadSetting(const QString& section, const QString& key,
                              const QString& defaultValue) const {
    CSimpleIniA ini;
    loadIni(ini, path_);
    const char* value =
        ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
    return value ? QString::fromUtf8(value) : defaultValue;
}

bool Settings::HasSetting(const QString& section, const QString& key) const {
    CSimpleIniA ini;
    loadIni(ini, path_);
    return ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr) != nullptr;
}

void Settings::WriteSetting(const QString& section, const QString& key, const QString& value) {
    CSimpleIniA ini;
    loadIni(ini, path_);
    ini.SetValue(section.toUtf8().constData(), key.toUtf8().constData(),
                 value.toUtf8().constData());
    std::string content;
    if (ini.Save(content) < 0) {
        return;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    AtomicFile::replace(path_, QByteArray::fromStdString(content));
}

QString Settings::defaultPath() {
    return XdgFolders::configHome() + QStringLiteral("/fyn/fyn.ini");
}

QString Settings::profileNameBesideExecutable(const QString& executablePath) {
    return executablePath.left(qMax<qsizetype>(0, executablePath.size() - 4)) +
           QStringLiteral(".ini");
}

} // namespace fyn
