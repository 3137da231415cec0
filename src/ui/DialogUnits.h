#pragma once

#include <QRect>
#include <QSize>

class QFont;
class QPaintDevice;

namespace fyn {

// The scale from dialog units to pixels, taken from a font as Windows takes its dialog base
// units: a horizontal unit is a quarter of the average character width, a vertical unit an
// eighth of the character height.
class DialogUnits {
public:
    DialogUnits(int baseWidth, int baseHeight) : baseWidth_(baseWidth), baseHeight_(baseHeight) {}

    // Metrics as the font has them on device (the screen when null).
    static DialogUnits forFont(const QFont& font, const QPaintDevice* device = nullptr);

    // Windows averages the 52 letters and rounds half up: (width / 26 + 1) / 2.
    static int averageCharWidth(int alphabetWidth);

    int baseWidth() const { return baseWidth_; }
    int baseHeight() const { return baseHeight_; }

    // Each value is scaled on its own and rounded to the nearest pixel, halves away from zero;
    // a control's width therefore does not depend on where it stands.
    int toPixelsX(int dialogUnits) const;
    int toPixelsY(int dialogUnits) const;
    QRect toPixels(const QRect& dialogUnits) const;
    QSize toPixels(const QSize& dialogUnits) const;

private:
    int baseWidth_;
    int baseHeight_;
};

} // namespace fyn
