#include "PreviewArea.h"

#include "PainterSurface.h"

#include <QPaintEvent>
#include <QPainter>

namespace fyn {

PreviewArea::PreviewArea(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setAutoDefault(false);
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
