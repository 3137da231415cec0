#pragma once

#include "DrawingSurface.h"

#include <QFont>
#include <QPoint>

class QPagedPaintDevice;
class QPainter;

namespace fyn {

// The surface on a QPainter that is already active on its device: the preview area, a printer
// or a PDF writer. Qt's differences from Windows' text and page handling are settled here and
// nowhere else, so the layouts can be written in Windows' terms.
class PainterSurface : public DrawingSurface {
public:
    // pages is the painter's paged device, or null for a widget. The state is set as a fresh
    // Windows device context has it, whatever the painter took from a palette.
    PainterSurface(QPainter& painter, QPagedPaintDevice* pages);

    // The face a font of the printed layout is drawn in; "Arial" maps to Liberation Sans.
    static QString installedFace(const QString& face);
    // The font described by wanted on a device of dpiY dots per inch.
    static QFont fontFor(const FontSpec& wanted, int dpiY);

    int dpiX() const override;
    int dpiY() const override;
    int printableHeight() const override;
    int textHeight() const override;
    int textWidth(const QString& text) const override;

    void drawText(int x, int y, const QString& text) override;
    void drawClippedText(int x, int y, const QRect& clip, const QString& text) override;
    void setTextAlign(TextAlign align) override { align_ = align; }
    void setTransparentBackground() override;
    void moveTo(int x, int y) override { position_ = {x, y}; }
    void lineTo(int x, int y) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillRect(const QRect& rect, const QColor& color) override;
    QColor backgroundColor() const override;
    Pen selectPen(const Pen& pen) override;
    Brush selectBrush(Brush brush) override;
    FontSpec selectFont(const FontSpec& font) override;
    // The painter's begin has opened page 1 and its end closes the job; a newPage after the
    // last page would add a blank one. So only a page that follows another one is opened here.
    void startDoc() override {}
    void startPage() override;
    void endPage() override {}
    void endDoc() override;

private:
    QPainter& painter_;
    QPagedPaintDevice* pages_;
    Pen pen_ = Pen::black();
    Brush brush_ = Brush::White;
    FontSpec font_ = FontSpec::stockFont(FontSpec::Stock::DeviceDefault);
    TextAlign align_ = TextAlign::LeftTop;
    QPoint position_;
    int pagesStarted_ = 0;
};

} // namespace fyn
