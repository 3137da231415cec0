#pragma once

#include "ControlTemplate.h"

#include <QSize>
#include <QString>
#include <vector>

namespace fyn {

// Style bits of a whole dialog, combined in DialogTemplate::style.
namespace DialogStyle {
enum : unsigned {
    // A caption without system menu, hence without a close box.
    NoCloseButton = 1u << 0,
};
} // namespace DialogStyle

// A dialog as data: size in dialog units, font, and the controls in tab order.
struct DialogTemplate {
    int id;
    QString title;
    int width, height;
    QString fontFamily;
    int fontPointSize;
    std::vector<ControlTemplate> controls;
    unsigned style;

    QSize size() const { return {width, height}; }
    // Null for an id the template lacks, and for kNoControlId.
    const ControlTemplate* find(int controlId) const;
};

} // namespace fyn
