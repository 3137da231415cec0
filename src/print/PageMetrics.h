#pragma once

#include <QString>
#include <cstdint>

namespace fyn {

// The figures of one print run: measured from the device, then changed while the pages are
// drawn. The 16-bit fields wrap as the layout's arithmetic has them.
struct PageMetrics {
    std::uint16_t topMargin = 0;
    std::uint16_t leftMargin = 0;
    std::uint16_t lineHeight = 0;
    std::uint16_t phoneColumnX = 0;
    int line = 0;
    int dpiY = 0;
    int dpiX = 0;
    QString title;
    QString subtitle;
};

} // namespace fyn
