#pragma once

#include "SurfaceObjects.h"

#include <QColor>
#include <optional>
#include <vector>

namespace fyn {

class DrawingSurface;
class YearWording;

// The group's year drawn through the printing code's surface: a table of every publisher's
// twelve months and status, and the group's months as figures and as a bar chart of the
// reports received. The printed pages (A4 landscape, the headings on every page) and the
// window's chart come from the same routines.
class YearPage {
public:
    // The x of every column rule, in device units: the name column's left, the twelve months'
    // left edges, the status column's left and its right.
    struct Columns {
        std::vector<int> x;

        int monthLeft(int column) const { return x[static_cast<std::size_t>(column) + 1]; }
        int monthRight(int column) const { return x[static_cast<std::size_t>(column) + 2]; }
    };

    // The columns of a printed page.
    static Columns PageColumns(const DrawingSurface& surface);
    // Draws every page, each between its start and its end; the caller starts and ends the
    // document.
    static void Render(DrawingSurface& surface, const YearWording& wording);

    // The group's months from top: a row of figures for each totals heading, then the chart.
    // bar is the chart's colour on screen; without one the bars are drawn with the light-grey
    // brush, as paper takes them.
    static int DrawMonths(DrawingSurface& surface, const YearWording& wording,
                          const Columns& columns, int top, std::optional<QColor> bar);
    // The font of the table and the months, 8 points in the interface language's character set.
    static FontSpec TextFont(const DrawingSurface& surface, const YearWording& wording);
    // The height that DrawMonths takes with the font selected.
    static int MonthsHeight(const DrawingSurface& surface);
};

} // namespace fyn
