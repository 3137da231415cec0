#include "PreviewArea.h"

#include "PainterSurface.h"
#include "PreviewAreaAccessible.h"

#include <QPaintEvent>
#include <QPainter>

namespace fyn {

PreviewArea::PreviewArea(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setAutoDefault(false);
    // Qt keeps factories for the run; one is enough however many previews open.
    static const bool accessible = [] {
        QAccessible::installFactory(&PreviewAreaAccessible::create);
        return true;
    }();
    Q_UNUSED(accessible);
}

void PreviewArea::render(QPaintDevice& device) {
    if (!areaKnown_) {
        areaSize_ = size();
        areaKnown_ = true;
    }
    QPainter painter(&device);
    PainterSurface surface(painter, nullptr);
    if (painter_) {
        painter_(surface, areaSize_);
    }
}

void PreviewArea::paintEvent(QPaintEvent* event) {
    if (event->region().isEmpty()) {
        return;
    }
    render(*this);
}

} // namespace fyn
