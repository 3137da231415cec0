#pragma once

#include <QRect>
#include <QString>

namespace fyn {

enum class ControlKind {
    PushButton,
    DefaultPushButton,
    CheckBox,
    Edit,
    ListBox,
    StaticText,
    GroupBox,
    EtchedFrame,
    Icon,
    // A button that the dialog paints itself; the builder gives it a plain widget unless the
    // dialog supplies its own.
    OwnerDrawnButton,
};

// Style bits of a control, combined in ControlTemplate::flags.
namespace ControlFlag {
enum : unsigned {
    Hidden = 1u << 0,
    CentredText = 1u << 1,
    NoTabStop = 1u << 2,
    // The system's variable-pitch font instead of the dialog font.
    VariablePitchFont = 1u << 3,
    // Text that wraps onto further lines (check boxes, edits).
    MultiLine = 1u << 4,
    VerticalScroll = 1u << 5,
    // The check box's text stands left of its box.
    TextOnLeft = 1u << 6,
    // Drawn over the controls it shares its place with while it is shown.
    Overlay = 1u << 7,
};
} // namespace ControlFlag

// A control without an id of its own (frames, fixed labels).
inline constexpr int kNoControlId = -1;

// One control of a dialog template; position and size in dialog units.
struct ControlTemplate {
    int id;
    ControlKind kind;
    QString text;
    int x, y, w, h;
    unsigned flags;

    bool has(unsigned flag) const { return (flags & flag) != 0; }
    QRect rect() const { return {x, y, w, h}; }
};

} // namespace fyn
