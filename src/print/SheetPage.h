#pragma once

#include "PageMetrics.h"
#include "PrintSource.h"

#include <QString>

namespace fyn {

class DrawingSurface;

// The printed list for collecting reports: a title block and a ruled table of 32 publishers a
// page, every figure derived from the device's resolution by integer divisions in the order
// the layout gives them, so that any printer prints the same list in inches.
class SheetPage {
public:
    // Text 1247, " - " and the month's name: the printed title and the print job's name.
    static QString Title(const PrintSource& source);

    // Fills the resolution, the margins and the heading line height from a fresh device.
    static void MeasurePage(const DrawingSurface& surface, PageMetrics& metrics);
    // Draws every page, each between its start and its end.
    static void RenderSheet(DrawingSurface& surface, PageMetrics& metrics,
                            const PrintSource& source);
    // The title, the group line and the name and telephone headings of one page.
    static void DrawPageHeader(DrawingSurface& surface, const PageMetrics& metrics,
                               const PrintSource& source);

    static constexpr int kFirstRowLine = 4;
    static constexpr int kLastRowLine = 35;
};

} // namespace fyn
