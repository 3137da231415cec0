#pragma once

#include "ControlTemplate.h"

#include <QByteArray>
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

    // A copy with the title and each caption replaced by the application's installed
    // translation, where there is one; the rest stays as the template has it.
    DialogTemplate translated() const;
    // The keys of the title and of the caption at a position in the translations: the dialog's
    // id and the control's, or the position for a control without an id ("102.3", "100.#2").
    QByteArray titleKey() const;
    QByteArray captionKey(std::size_t position) const;
};

} // namespace fyn
