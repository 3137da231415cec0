#include "DialogFont.h"

#include "DialogTemplate.h"

#include <QFontDatabase>
#include <QStringList>

namespace fyn {

namespace {

constexpr int kVariablePitchPointSize = 8;

bool isWindowsSansFamily(const QString& family) {
    static const QStringList windowsSans{
        QStringLiteral("MS Sans Serif"),  QStringLiteral("MS Shell Dlg"),
        QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Arial"),          QStringLiteral("Helv"),
    };
    return windowsSans.contains(family, Qt::CaseInsensitive);
}

QFont sansFont(const QString& family, int pointSize) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    return font;
}

} // namespace

QString DialogFont::substituteFamily(const QString& windowsFamily) {
    if (!isWindowsSansFamily(windowsFamily))
        return windowsFamily;
    static const QStringList lookAlikes{
        QStringLiteral("Liberation Sans"),
        QStringLiteral("Arimo"),
        QStringLiteral("Nimbus Sans"),
        QStringLiteral("DejaVu Sans"),
    };
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : lookAlikes) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont DialogFont::forTemplate(const DialogTemplate& dialogTemplate) {
    return sansFont(substituteFamily(dialogTemplate.fontFamily), dialogTemplate.fontPointSize);
}

QFont DialogFont::variablePitch() {
    return sansFont(substituteFamily(QStringLiteral("MS Sans Serif")), kVariablePitchPointSize);
}

} // namespace fyn
