#include "DialogTemplates.h"

namespace fyn {

const DialogTemplate& DialogTemplates::aboutBox() {
    using enum ControlKind;
    static const DialogTemplate dialog{
        kAboutBoxId,
        QStringLiteral("O programe Fyn"),
        184,
        76,
        QStringLiteral("MS Sans Serif"),
        8,
        {
            // The icon's text names its icon resource.
            {kNoControlId, Icon, QStringLiteral("128"), 11, 11, 20, 20, 0},
            {kNoControlId, StaticText, QStringLiteral("Fyn verzia 5a"), 40, 10, 84, 8, 0},
            {kNoControlId, StaticText, QStringLiteral("© 2026 Fyn"), 40, 24, 84, 8, 0},
            {kNoControlId, StaticText,
             QStringLiteral(
                 "Vyžaduje súbory SkupinaX.t09 z programu Korbo verzie 10a alebo novšej"),
             10, 39, 167, 18, 0},
            {kNoControlId, StaticText, QStringLiteral("Slobodný softvér pod licenciou MIT"), 10, 64,
             167, 8, 0},
            {1, DefaultPushButton, QStringLiteral("OK"), 143, 15, 34, 14, 0},
        },
        0,
    };
    return dialog;
}

} // namespace fyn
