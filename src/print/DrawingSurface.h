#pragma once

#include "SurfaceObjects.h"

#include <QColor>
#include <QRect>
#include <QString>

namespace fyn {

// What the printed sheet and the on-screen preview draw through, in device units: x to the
// right, y downwards, the origin at the top-left corner of the drawing area. Text is placed by
// the top of its character cell, as Windows text output places it, so one layout serves the
// screen, the printer and the tests alike.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // The width and height of a window border; 1 on every display Fyn knows.
    virtual int borderWidth() const { return 1; }
    virtual int borderHeight() const { return 1; }
    // The height of a page's printable area; 0 where there are no pages.
    virtual int printableHeight() const { return 0; }
    // The character-cell height of the selected font.
    virtual int textHeight() const = 0;
    // The width text takes in the selected font.
    virtual int textWidth(const QString& text) const = 0;

    virtual void drawText(int x, int y, const QString& text) = 0;
    // The clip rectangle applies to this one text only.
    virtual void drawClippedText(int x, int y, const QRect& clip, const QString& text) = 0;
    virtual void setTextAlign(TextAlign align) = 0;
    virtual void setTransparentBackground() = 0;

    virtual void moveTo(int x, int y) = 0;
    // Draws from the current position to (x, y), which becomes the current position.
    virtual void lineTo(int x, int y) = 0;
    // The rectangle left..right, top..bottom, right and bottom excluded, with the selected pen
    // and brush.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void fillRect(const QRect& rect, const QColor& color) = 0;
    virtual QColor backgroundColor() const = 0;

    virtual Pen selectPen(const Pen& pen) = 0;
    virtual Brush selectBrush(Brush brush) = 0;
    virtual FontSpec selectFont(const FontSpec& font) = 0;

    virtual void startDoc() = 0;
    virtual void startPage() = 0;
    virtual void endPage() = 0;
    virtual void endDoc() = 0;
};

} // namespace fyn
