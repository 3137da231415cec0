#include "DialogTemplates.h"

namespace fyn {

const DialogTemplate& DialogTemplates::mainWindow() {
    using enum ControlKind;
    using namespace ControlFlag;
    static const DialogTemplate dialog{
        kMainWindowId,
        QStringLiteral("Správy z kazateľskej služby"),
        320,
        213,
        QStringLiteral("MS Sans Serif"),
        8,
        {
            {138, ListBox, QString(), 10, 10, 118, 139, VerticalScroll},
            {1, DefaultPushButton, QStringLiteral("OK"), 138, 135, 171, 14, 0},
            {2, PushButton, QStringLiteral("Zatvoriť program"), 236, 177, 73, 13, 0},
            {3, PushButton, QStringLiteral("Načítať nový list od tajomníka"), 138, 10, 171, 13, 0},
            {5, PushButton, QStringLiteral("Náhľad a tlač listu so správami"), 138, 28, 171, 13, 0},
            {4, PushButton, QStringLiteral("Odoslať aktualizovaný list tajomníkovi"), 138, 46, 171,
             13, 0},
            {kNoControlId, EtchedFrame, QString(), 138, 64, 172, 61, 0},
            {1001, StaticText, QString(), 148, 75, 152, 8, 0},
            {1000, StaticText, QString(), 148, 92, 152, 8, 0},
            {162, CheckBox, QStringLiteral("Obmedziť na neodovzdané správy"), 148, 107, 154, 10, 0},
            {kNoControlId, GroupBox, QStringLiteral(" Zadávanie skončené pri "), 10, 162, 118, 29,
             0},
            {133, StaticText, QString(), 18, 175, 103, 9, CentredText},
            {1003, PushButton, QStringLiteral("Vytočit"), 138, 156, 37, 13, Hidden},
            {1002, StaticText, QString(), 182, 159, 82, 8, CentredText},
            {1004, PushButton, QStringLiteral("> > >"), 272, 156, 37, 13, Hidden},
            {1005, PushButton, QStringLiteral("Pomoc"), 137, 177, 75, 13, 0},
            {1007, PushButton, QStringLiteral("Ukážka e-mailu"), 9, 195, 118, 13, Hidden},
            {1006, PushButton, QString(), 137, 195, 172, 13, Hidden},
        },
        0,
    };
    return dialog;
}

} // namespace fyn
