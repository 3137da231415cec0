#include "RecordingSurface.h"

#include <cstdlib>
#include <utility>

namespace fyn {

int RecordingSurface::textHeight() const {
    const int requested = font_.height != 0 ? std::abs(font_.height) : dpiY_ * 100 / 720;
    return requested * 1117 / 1000;
}

int RecordingSurface::textWidth(const QString& text) const {
    return static_cast<int>(text.size()) * textHeight() / 2;
}

RecordingSurface::Operation& RecordingSurface::record(Kind kind) {
    Operation& operation = operations_.emplace_back();
    operation.kind = kind;
    operation.font = font_;
    operation.pen = pen_;
    operation.brush = brush_;
    operation.align = align_;
    operation.transparent = transparent_;
    return operation;
}

void RecordingSurface::drawText(int x, int y, const QString& text) {
    Operation& operation = record(Kind::Text);
    operation.from = {x, y};
    operation.text = text;
}

void RecordingSurface::drawClippedText(int x, int y, const QRect& clip, const QString& text) {
    Operation& operation = record(Kind::ClippedText);
    operation.from = {x, y};
    operation.rect = clip;
    operation.text = text;
}

void RecordingSurface::lineTo(int x, int y) {
    Operation& operation = record(Kind::Line);
    operation.from = position_;
    operation.to = {x, y};
    position_ = {x, y};
}

void RecordingSurface::rectangle(int left, int top, int right, int bottom) {
    record(Kind::Rectangle).rect = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void RecordingSurface::fillRect(const QRect& rect, const QColor& /*color*/) {
    record(Kind::Fill).rect = rect;
}

Pen RecordingSurface::selectPen(const Pen& pen) {
    return std::exchange(pen_, pen);
}

Brush RecordingSurface::selectBrush(Brush brush) {
    return std::exchange(brush_, brush);
}

FontSpec RecordingSurface::selectFont(const FontSpec& font) {
    return std::exchange(font_, font);
}

QList<RecordingSurface::Operation> RecordingSurface::of(Kind kind) const {
    QList<Operation> found;
    for (const Operation& operation : operations_) {
        if (operation.kind == kind) {
            found.append(operation);
        }
    }
    return found;
}

QList<RecordingSurface::Operation> RecordingSurface::texts(const QString& text) const {
    QList<Operation> found;
    for (const Operation& operation : operations_) {
        if ((operation.kind == Kind::Text || operation.kind == Kind::ClippedText) &&
            operation.text == text) {
            found.append(operation);
        }
    }
    return found;
}

} // namespace fyn
