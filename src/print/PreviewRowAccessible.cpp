#include "PreviewRowAccessible.h"

#include "PreviewAreaAccessible.h"

namespace fyn {

PreviewRowAccessible::PreviewRowAccessible(const PreviewAreaAccessible* page, int index)
    : page_(page), index_(index) {}

bool PreviewRowAccessible::isValid() const {
    return page_->isValid() && index_ < page_->childCount();
}

QWindow* PreviewRowAccessible::window() const {
    return page_->window();
}

QAccessibleInterface* PreviewRowAccessible::parent() const {
    return const_cast<PreviewAreaAccessible*>(page_);
}

QString PreviewRowAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? page_->rowText(index_) : QString();
}

QRect PreviewRowAccessible::rect() const {
    return page_->rowRect(index_);
}

QAccessible::State PreviewRowAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    return state;
}

} // namespace fyn
