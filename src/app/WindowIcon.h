#pragma once

#include <QIcon>

namespace fyn {

// The icon of every window, fyn.png from the resources.
class WindowIcon {
public:
    // Read as PNG and nothing else: a QIcon or QImage made from a file name asks every image
    // format plugin whether it can read the file (Qt 6.4 does so even when the format is
    // named), which maps the GIF, ICO, JPEG and SVG plugins, libjpeg and Qt SVG into the
    // start before the window shows.
    static QIcon load();
};

} // namespace fyn
