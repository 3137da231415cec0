#pragma once

#include <QString>

namespace fyn {

// The objects a surface can hold selected. They are plain values: selecting one answers the one
// it replaced, so every routine can put back what it found, and nothing is left to delete.

// A solid black pen; width 0 draws one-device-pixel lines.
struct Pen {
    bool visible = true;
    int width = 0;

    static Pen null() { return {false, 0}; }
    static Pen black() { return {true, 0}; }
    static Pen solid(int width) { return {true, width}; }
    bool operator==(const Pen&) const = default;
};

enum class Brush { Null, LightGrey, White };

enum class TextAlign { LeftTop, RightTop };

// A font described as the printed layout asks for it. A negative height asks for that
// character height, internal leading excluded.
struct FontSpec {
    enum class Stock { None, VariablePitch, DeviceDefault };

    QString face;
    int height = 0;
    int weight = 0;
    int charSet = 1;
    Stock stock = Stock::None;

    static constexpr int kDefaultCharSet = 1;
    static constexpr int kBold = 700;

    // A font of a point size given in tenths, for a device of dpiY dots per inch vertically;
    // the height drops the remainder (83, not 83.3, at 600 dots per inch and 10 points).
    static FontSpec ofPointSize(int dpiY, int tenths, const QString& face) {
        FontSpec font;
        font.face = face;
        font.height = -(dpiY * tenths / 720);
        return font;
    }
    static FontSpec stockFont(Stock stock) {
        FontSpec font;
        font.stock = stock;
        return font;
    }
    bool operator==(const FontSpec&) const = default;
};

} // namespace fyn
