#pragma once

#include "PrintSource.h"

#include <QString>

namespace fyn {

class DrawingSurface;

// The on-screen page: a table of its own fitted to the preview area, not a scaled printed
// page. Every non-empty remark is shown on one line, cut at the area and at the next band.
class PreviewPage {
public:
    // width and height are the area's as its first paint found them.
    static void DrawPreview(DrawingSurface& surface, int width, int height,
                            const PrintSource& source, int firstRow, int endRow);
    // What a row shows, in words, for a screen reader: the name, then each column that holds
    // something, headed as on the page.
    static QString RowInWords(const PrintSource& source, int row);
};

} // namespace fyn
