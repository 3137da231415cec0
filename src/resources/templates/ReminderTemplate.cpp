#include "DialogTemplates.h"

namespace fyn {

// The texts come from the string table when the dialog opens.
const DialogTemplate& DialogTemplates::reminders() {
    using enum ControlKind;
    using namespace ControlFlag;
    static const DialogTemplate dialog{
        kRemindersId,
        QString(),
        320,
        200,
        QStringLiteral("MS Sans Serif"),
        8,
        {
            {1000, StaticText, QString(), 10, 8, 300, 18, NoTabStop},
            // Shown when the contact log cannot be read; the list then starts below it.
            {1001, StaticText, QString(), 10, 28, 300, 18, NoTabStop | Hidden},
            {130, ListBox, QString(), 10, 30, 300, 138, VerticalScroll},
            {1, DefaultPushButton, QString(), 196, 177, 55, 14, 0},
            {2, PushButton, QString(), 255, 177, 55, 14, 0},
        },
        0,
    };
    return dialog;
}

} // namespace fyn
