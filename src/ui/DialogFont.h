#pragma once

#include <QFont>
#include <QString>

namespace fyn {

struct DialogTemplate;

// The fonts the dialogs were drawn for, mapped to fonts installed here.
class DialogFont {
public:
    // The template's font in its point size, its Windows family replaced by a look-alike.
    static QFont forTemplate(const DialogTemplate& dialogTemplate);

    // The Windows system's variable-pitch font, used for a few labels and buttons.
    static QFont variablePitch();

    // An installed family with widths close to those of the Windows family. Liberation Sans
    // first: it has the widths of Arial, which the Windows sans fonts share closely, so texts
    // fit their controls. A family that is no Windows sans font is returned as given.
    static QString substituteFamily(const QString& windowsFamily);
};

} // namespace fyn
