#pragma once

#include "PrintSource.h"

class QIODevice;

namespace fyn {

// The printed list as a PDF: A4 at the printers' resolution, the origin at the page's corner.
class SheetPdf {
public:
    // False when painting could not start; the device's own errors are its owner's to check.
    static bool Render(QIODevice& device, const PrintSource& source);
};

} // namespace fyn
