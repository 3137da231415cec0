#include "DialogTemplates.h"

namespace fyn {

// The texts come from the string table when the dialog opens. The table and the chart under it
// are made by the dialog; no button is the default one, as Enter chooses a cell of the table.
const DialogTemplate& DialogTemplates::year() {
    using enum ControlKind;
    using namespace ControlFlag;
    static const DialogTemplate dialog{
        kYearId,
        QString(),
        540,
        350,
        QStringLiteral("MS Sans Serif"),
        8,
        {
            {130, ListBox, QString(), 5, 5, 530, 195, VerticalScroll},
            {131, OwnerDrawnButton, QString(), 5, 203, 530, 112, NoTabStop},
            {1000, StaticText, QString(), 5, 318, 390, 26, NoTabStop},
            {3, PushButton, QString(), 405, 330, 60, 14, 0},
            {2, PushButton, QString(), 470, 330, 65, 14, 0},
        },
        0,
    };
    return dialog;
}

} // namespace fyn
