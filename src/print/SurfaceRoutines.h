#pragma once

#include "SurfaceObjects.h"

#include <QString>
#include <vector>

namespace fyn {

class DrawingSurface;

// The rules of a printed page's table: the last column line is also the right border.
struct GridSpec {
    int top = 0;
    int left = 0;
    int rowHeight = 0;
    int rowCount = 0;
    std::vector<int> columnX;
};

// The routines the printed sheet and the preview share. Each puts back the pen it found.
class SurfaceRoutines {
public:
    // Gives font the character set of the interface language (an exact, case-sensitive code)
    // and, when bold, the weight 700.
    static void ApplyFontLanguage(FontSpec& font, bool bold, const QString& languageCode);
    // The printed layouts' Arial of a size in tenths of a point, so applied.
    static FontSpec LayoutFont(const DrawingSurface& surface, int tenths, bool bold,
                               const QString& languageCode);
    // Starts a page (ending the one before on a page break) with the font selected before it,
    // whatever the device does at a page start.
    static void StartPageKeepingFont(DrawingSurface& surface, bool pageBreak);

    static void DrawGrid(DrawingSurface& surface, const GridSpec& grid);

    // (x, y) is the box's bottom-right corner; the box is D/n wide and V/n high.
    static void DrawCheckBox(DrawingSurface& surface, int x, int y, bool ticked, int divisor);
};

} // namespace fyn
