#include "DialogTemplates.h"

namespace fyn {

// No button is the default one: Enter presses whichever button has the focus.
const DialogTemplate& DialogTemplates::preview() {
    using enum ControlKind;
    using namespace ControlFlag;
    static const DialogTemplate dialog{
        kPreviewId,
        QString(),
        394,
        202,
        QStringLiteral("MS Sans Serif"),
        8,
        {
            {2, PushButton, QStringLiteral("&Zatvoriť"), 320, 184, 66, 14, 0},
            {3, PushButton, QStringLiteral("&Tlačiť"), 219, 184, 66, 14, 0},
            {129, PushButton, QStringLiteral("&Nastavenie tlačiarne"), 113, 184, 73, 14, 0},
            {130, OwnerDrawnButton, QString(), 6, 4, 383, 173, NoTabStop},
            {kNoControlId, EtchedFrame, QString(), 5, 3, 386, 178, 0},
            {1004, PushButton, QStringLiteral("< < <"), 5, 184, 26, 14, 0},
            {1005, PushButton, QStringLiteral("> > >"), 40, 184, 26, 14, 0},
        },
        DialogStyle::NoCloseButton,
    };
    return dialog;
}

} // namespace fyn
