#pragma once

#include "DrawingSurface.h"

#include <QList>
#include <QPoint>

namespace fyn {

// Keeps every drawing operation as data, with the pen, font and alignment in force, so that a
// layout can be compared figure by figure without a device.
class RecordingSurface : public DrawingSurface {
public:
    enum class Kind {
        Text,
        ClippedText,
        Line,
        Rectangle,
        Fill,
        StartDoc,
        StartPage,
        EndPage,
        EndDoc
    };

    struct Operation {
        Kind kind = Kind::Text;
        QPoint from;
        QPoint to;
        QRect rect;
        QString text;
        FontSpec font;
        Pen pen;
        Brush brush = Brush::Null;
        TextAlign align = TextAlign::LeftTop;
        bool transparent = false;
    };

    RecordingSurface(int dpiX, int dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    int printableHeight() const override { return printableHeight_; }
    void setPrintableHeight(int height) { printableHeight_ = height; }
    // Liberation Sans's cell: ascent and descent make 1.117 of the requested height.
    int textHeight() const override;
    // Half the cell height a character, as a sans-serif averages.
    int textWidth(const QString& text) const override;

    void drawText(int x, int y, const QString& text) override;
    void drawClippedText(int x, int y, const QRect& clip, const QString& text) override;
    void setTextAlign(TextAlign align) override { align_ = align; }
    void setTransparentBackground() override { transparent_ = true; }
    void moveTo(int x, int y) override { position_ = {x, y}; }
    void lineTo(int x, int y) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillRect(const QRect& rect, const QColor& color) override;
    QColor backgroundColor() const override { return Qt::white; }
    Pen selectPen(const Pen& pen) override;
    Brush selectBrush(Brush brush) override;
    FontSpec selectFont(const FontSpec& font) override;
    void startDoc() override { record(Kind::StartDoc); }
    void startPage() override { record(Kind::StartPage); }
    void endPage() override { record(Kind::EndPage); }
    void endDoc() override { record(Kind::EndDoc); }

    const QList<Operation>& operations() const { return operations_; }
    // The operations of one kind, in order.
    QList<Operation> of(Kind kind) const;
    // The text operations whose text is exactly text.
    QList<Operation> texts(const QString& text) const;
    const Pen& pen() const { return pen_; }
    const FontSpec& font() const { return font_; }

private:
    Operation& record(Kind kind);

    int dpiX_;
    int dpiY_;
    int printableHeight_ = 0;
    Pen pen_ = Pen::black();
    Brush brush_ = Brush::White;
    FontSpec font_ = FontSpec::stockFont(FontSpec::Stock::DeviceDefault);
    TextAlign align_ = TextAlign::LeftTop;
    bool transparent_ = false;
    QPoint position_;
    QList<Operation> operations_;
};

} // namespace fyn
