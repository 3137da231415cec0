#include "DialogTemplates.h"

namespace fyn {

// Publications, videos and return visits (139, 140, 142) and their labels are never shown, and
// neither is the "<1 h" box 1125; they stay in the template because the record's values pass
// through them. The line below the warnings tells what a publisher's message gave; the dialog
// ends above it unless a report was read from a message.
const DialogTemplate& DialogTemplates::report() {
    using enum ControlKind;
    using namespace ControlFlag;
    static const DialogTemplate dialog{
        kReportId,
        QString(),
        275,
        170,
        QStringLiteral("MS Sans Serif"),
        10,
        {
            {kNoControlId, EtchedFrame, QString(), 10, 3, 133, 15, 0},
            {154, StaticText, QString(), 17, 7, 120, 8, 0},
            {kNoControlId, EtchedFrame, QString(), 150, 3, 54, 15, 0},
            {146, StaticText, QString(), 151, 6, 51, 9, CentredText},
            {270, StaticText, QString(), 214, 6, 46, 10, CentredText},
            {156, StaticText, QString(), 10, 22, 109, 8, 0},
            {155, StaticText, QString(), 128, 22, 74, 8, 0},
            {kNoControlId, GroupBox, QString(), 10, 30, 158, 44, 0},
            {147, StaticText, QStringLiteral("Publ"), 14, 42, 25, 10,
             CentredText | VariablePitchFont | Hidden},
            {148, StaticText, QStringLiteral("Videá"), 45, 42, 25, 10,
             CentredText | VariablePitchFont | Hidden},
            {149, StaticText, QStringLiteral("Hod"), 76, 42, 25, 10,
             CentredText | VariablePitchFont},
            {150, StaticText, QStringLiteral("ON"), 107, 42, 25, 10,
             CentredText | VariablePitchFont | Hidden},
            {151, StaticText, QStringLiteral("BŠ"), 138, 42, 25, 10,
             CentredText | VariablePitchFont},
            {1126, CheckBox, QStringLiteral("bol v danom službe"), 18, 54, 52, 16,
             TextOnLeft | CentredText | MultiLine},
            {139, Edit, QString(), 14, 55, 26, 12, Hidden},
            {140, Edit, QString(), 45, 55, 26, 12, Hidden},
            {141, Edit, QString(), 76, 55, 26, 12, 0},
            {142, Edit, QString(), 107, 55, 26, 12, Hidden},
            {143, Edit, QString(), 138, 55, 26, 12, 0},
            {1, DefaultPushButton, QStringLiteral("&OK"), 212, 81, 54, 14, 0},
            {2, PushButton, QStringLiteral("&Zrušiť"), 212, 57, 54, 14, 0},
            {158, ListBox, QString(), 212, 3, 54, 99, Hidden | VerticalScroll | Overlay},
            {129, PushButton, QStringLiteral("Zmeniť &mesiac (oneskorenej správy)"), 10, 81, 141,
             14, VariablePitchFont},
            {160, PushButton, QStringLiteral("&OK"), 65, 81, 50, 14, Hidden},
            {152, StaticText, QString(), 143, 83, 56, 9, CentredText},
            {3, PushButton, QStringLiteral("&Poznámky"), 212, 34, 54, 14, 0},
            {163, Edit, QString(), 22, 82, 116, 13, Hidden},
            {1050, CheckBox, QStringLiteral("Pomocný priekopník"), 124, 22, 84, 10, Hidden},
            {1125, CheckBox, QStringLiteral("<1 h"), 173, 56, 32, 10, Hidden},
            {kNoControlId, GroupBox, QString(), 10, 101, 256, 41, 0},
            {159, StaticText, QString(), 15, 110, 245, 28, VariablePitchFont},
            {164, StaticText, QString(), 10, 146, 256, 22, VariablePitchFont | Hidden},
        },
        0,
    };
    return dialog;
}

} // namespace fyn
