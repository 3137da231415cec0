#include "PainterSurface.h"

#include "DialogFont.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <cstdlib>
#include <utility>

namespace fyn {

namespace {

// The stock light-grey brush.
const QColor kLightGrey(192, 192, 192);

QPen qtPen(const Pen& pen) {
    if (!pen.visible) {
        return QPen(Qt::NoPen);
    }
    if (pen.width == 0) {
        return QPen(Qt::black, 0);
    }
    // Windows' wide pens end and join round.
    return QPen(Qt::black, pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush qtBrush(Brush brush) {
    switch (brush) {
    case Brush::Null:
        return Qt::NoBrush;
    case Brush::LightGrey:
        return kLightGrey;
    case Brush::White:
        break;
    }
    return Qt::white;
}

// The height of the device's default font: a fixed font, so that every desktop and the
// offscreen platform measure the same.
int defaultPixelSize(int dpiY) {
    return dpiY * 100 / 720;
}

} // namespace

PainterSurface::PainterSurface(QPainter& painter, QPagedPaintDevice* pages)
    : painter_(painter), pages_(pages) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBackground(Qt::white);
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setPen(qtPen(pen_));
    painter_.setBrush(qtBrush(brush_));
    painter_.setFont(fontFor(font_, dpiY()));
}

QString PainterSurface::installedFace(const QString& face) {
    return DialogFont::substituteFamily(face);
}

QFont PainterSurface::fontFor(const FontSpec& wanted, int dpiY) {
    if (wanted.stock == FontSpec::Stock::VariablePitch) {
        QFont font = DialogFont::variablePitch();
        if (wanted.height != 0) {
            font.setPixelSize(std::abs(wanted.height));
        }
        return font;
    }
    const QString face =
        wanted.stock == FontSpec::Stock::DeviceDefault ? QStringLiteral("Arial") : wanted.face;
    QFont font(installedFace(face));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(wanted.height != 0 ? std::abs(wanted.height) : defaultPixelSize(dpiY));
    font.setWeight(wanted.weight >= FontSpec::kBold ? QFont::Bold : QFont::Normal);
    // Windows text output has no kerning; with it, numbers and names would shift.
    font.setKerning(false);
    return font;
}

int PainterSurface::dpiX() const {
    return painter_.device()->logicalDpiX();
}

int PainterSurface::dpiY() const {
    return painter_.device()->logicalDpiY();
}

int PainterSurface::printableHeight() const {
    return pages_ != nullptr ? painter_.device()->height() : 0;
}

int PainterSurface::textHeight() const {
    const QFontMetrics metrics(painter_.font(), painter_.device());
    return metrics.ascent() + metrics.descent();
}

int PainterSurface::textWidth(const QString& text) const {
    return QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(text);
}

void PainterSurface::drawText(int x, int y, const QString& text) {
    const QFontMetrics metrics(painter_.font(), painter_.device());
    const int left = align_ == TextAlign::RightTop ? x - metrics.horizontalAdvance(text) : x;
    // Qt draws at the baseline; the layout gives the top of the character cell.
    painter_.drawText(QPoint(left, y + metrics.ascent()), text);
}

void PainterSurface::drawClippedText(int x, int y, const QRect& clip, const QString& text) {
    // setClipRect would stay for every later call and hide the rows below.
    painter_.save();
    painter_.setClipRect(clip, Qt::IntersectClip);
    drawText(x, y, text);
    painter_.restore();
}

void PainterSurface::setTransparentBackground() {
    painter_.setBackgroundMode(Qt::TransparentMode);
}

void PainterSurface::lineTo(int x, int y) {
    painter_.drawLine(position_, QPoint(x, y));
    position_ = {x, y};
}

void PainterSurface::rectangle(int left, int top, int right, int bottom) {
    if (pen_.visible) {
        painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    } else {
        painter_.fillRect(QRect(left, top, right - left, bottom - top), painter_.brush());
    }
}

void PainterSurface::fillRect(const QRect& rect, const QColor& color) {
    painter_.fillRect(rect, color);
}

QColor PainterSurface::backgroundColor() const {
    return painter_.background().color();
}

Pen PainterSurface::selectPen(const Pen& pen) {
    painter_.setPen(qtPen(pen));
    return std::exchange(pen_, pen);
}

Brush PainterSurface::selectBrush(Brush brush) {
    painter_.setBrush(qtBrush(brush));
    return std::exchange(brush_, brush);
}

FontSpec PainterSurface::selectFont(const FontSpec& font) {
    painter_.setFont(fontFor(font, dpiY()));
    return std::exchange(font_, font);
}

void PainterSurface::startPage() {
    if (pagesStarted_++ > 0 && pages_ != nullptr) {
        pages_->newPage();
    }
}

void PainterSurface::endDoc() {
    painter_.end();
}

} // namespace fyn
