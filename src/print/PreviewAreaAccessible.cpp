#include "PreviewAreaAccessible.h"

#include "PreviewArea.h"
#include "PreviewPaging.h"
#include "PreviewRowAccessible.h"

namespace fyn {

PreviewAreaAccessible::PreviewAreaAccessible(PreviewArea* area)
    : QAccessibleWidget(area, QAccessible::List) {}

PreviewAreaAccessible::~PreviewAreaAccessible() {
    for (const QAccessible::Id id : rows_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

QAccessibleInterface* PreviewAreaAccessible::create(const QString& className, QObject* object) {
    auto* area = qobject_cast<PreviewArea*>(object);
    return className == QLatin1String("fyn::PreviewArea") && area != nullptr
               ? new PreviewAreaAccessible(area)
               : nullptr;
}

PreviewArea* PreviewAreaAccessible::area() const {
    return static_cast<PreviewArea*>(widget());
}

int PreviewAreaAccessible::childCount() const {
    return static_cast<int>(area()->rowsInWords().size());
}

QAccessibleInterface* PreviewAreaAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    while (static_cast<int>(rows_.size()) <= index) {
        rows_.push_back(QAccessible::registerAccessibleInterface(
            new PreviewRowAccessible(this, static_cast<int>(rows_.size()))));
    }
    return QAccessible::accessibleInterface(rows_[static_cast<std::size_t>(index)]);
}

int PreviewAreaAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (QAccessible::accessibleInterface(rows_[i]) == child) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QString PreviewAreaAccessible::rowText(int index) const {
    return area()->rowsInWords().value(index);
}

QRect PreviewAreaAccessible::rowRect(int index) const {
    // The heading band and the page's rows share the area's height equally, as drawn.
    const QSize size = area()->areaKnown() ? area()->areaSize() : area()->size();
    const int height = size.height() / (PreviewPaging::kRowsPerPage + 1);
    const QPoint origin = area()->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y() + (index + 1) * height, size.width(), height};
}

} // namespace fyn
