#include "DialogTemplates.h"

namespace fyn {

// Which of a few publishers a message is from; the texts come from the string table.
const DialogTemplate& DialogTemplates::publisherChoice() {
    using enum ControlKind;
    using namespace ControlFlag;
    static const DialogTemplate dialog{
        kPublisherChoiceId,
        QString(),
        200,
        120,
        QStringLiteral("MS Sans Serif"),
        8,
        {
            {1000, StaticText, QString(), 10, 8, 180, 20, NoTabStop},
            {130, ListBox, QString(), 10, 30, 180, 64, VerticalScroll},
            {1, DefaultPushButton, QStringLiteral("OK"), 76, 100, 55, 14, 0},
            {2, PushButton, QString(), 135, 100, 55, 14, 0},
        },
        0,
    };
    return dialog;
}

} // namespace fyn
