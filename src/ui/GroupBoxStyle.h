#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace fyn {

// Fusion draws a group box's frame from a picture that it reads with the format left to
// detection, and Qt 6.4 then loads every image format plugin (GIF, ICO, JPEG and SVG, with
// libjpeg and Qt SVG) to ask each whether it can read the file, while the main window paints
// for the first time. This style draws the same picture at the same place, read as PNG, and
// leaves everything else to Fusion.
class GroupBoxStyle : public QProxyStyle {
public:
    // The style for a group box when the application's is Fusion, else null: other styles are
    // left as they are. It lives as long as the application.
    static QStyle* forGroupBoxes();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    GroupBoxStyle();

    mutable QPixmap frame_;
};

} // namespace fyn
