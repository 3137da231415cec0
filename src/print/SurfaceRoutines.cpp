#include "SurfaceRoutines.h"

#include "DrawingSurface.h"

namespace fyn {

namespace {

constexpr int kTurkishCharSet = 162;
constexpr int kCentralEuropeanCharSet = 238;
constexpr int kBalticCharSet = 186;
constexpr int kGridPenWidth = 2;

} // namespace

void SurfaceRoutines::ApplyFontLanguage(FontSpec& font, bool bold, const QString& languageCode) {
    if (languageCode == QStringLiteral("Turkish")) {
        font.charSet = kTurkishCharSet;
    } else if (languageCode == QStringLiteral("Polish") || languageCode == QStringLiteral("cz") ||
               languageCode == QStringLiteral("sk")) {
        font.charSet = kCentralEuropeanCharSet;
    } else if (languageCode == QStringLiteral("estonian")) {
        font.charSet = kBalticCharSet;
    }
    if (bold) {
        font.weight = FontSpec::kBold;
    }
}

FontSpec SurfaceRoutines::LayoutFont(const DrawingSurface& surface, int tenths, bool bold,
                                     const QString& languageCode) {
    FontSpec font = FontSpec::ofPointSize(surface.dpiY(), tenths, QStringLiteral("Arial"));
    ApplyFontLanguage(font, bold, languageCode);
    return font;
}

void SurfaceRoutines::StartPageKeepingFont(DrawingSurface& surface, bool pageBreak) {
    const FontSpec carried =
        surface.selectFont(FontSpec::stockFont(FontSpec::Stock::DeviceDefault));
    if (pageBreak) {
        surface.endPage();
    }
    surface.startPage();
    surface.selectFont(carried);
}

void SurfaceRoutines::DrawGrid(DrawingSurface& surface, const GridSpec& grid) {
    if (grid.columnX.empty()) {
        return;
    }
    const Pen previous = surface.selectPen(Pen::solid(kGridPenWidth));
    const int bottom = grid.top + grid.rowCount * grid.rowHeight;
    const int right = grid.columnX.back();

    surface.moveTo(grid.left, grid.top);
    surface.lineTo(grid.left, bottom);
    surface.lineTo(right, bottom);
    surface.lineTo(right, grid.top);
    surface.lineTo(grid.left, grid.top);
    for (int i = 1; i < grid.rowCount; ++i) {
        surface.moveTo(grid.left, grid.top + i * grid.rowHeight);
        surface.lineTo(right, grid.top + i * grid.rowHeight);
    }
    for (const int x : grid.columnX) {
        surface.moveTo(x, grid.top);
        surface.lineTo(x, bottom);
    }
    surface.selectPen(previous);
}

void SurfaceRoutines::DrawCheckBox(DrawingSurface& surface, int x, int y, bool ticked,
                                   int divisor) {
    // Unsigned divisions, as the resolutions are never negative.
    const auto dpiX = static_cast<unsigned>(surface.dpiX());
    const auto dpiY = static_cast<unsigned>(surface.dpiY());
    const auto n = static_cast<unsigned>(divisor);
    const Pen thin = Pen::solid(static_cast<int>(dpiX / 120));
    const Pen thick = Pen::solid(static_cast<int>(dpiX / 45));
    const int w = static_cast<int>(dpiX / n);
    const int h = static_cast<int>(dpiY / n);

    const Pen previous = surface.selectPen(thin);
    surface.moveTo(x, y);
    surface.lineTo(x - w, y);
    surface.lineTo(x - w, y - h);
    surface.lineTo(x, y - h);
    surface.lineTo(x, y);
    if (ticked) {
        surface.selectPen(thick);
        surface.moveTo(x - w + static_cast<int>(dpiX / 35), y - h / 2);
        surface.lineTo(x - w / 2, y - static_cast<int>(dpiY / 50));
        surface.lineTo(x - static_cast<int>(dpiX / 40), y - h + static_cast<int>(dpiY / 40));
    }
    surface.selectPen(previous);
}

} // namespace fyn
