#include "GroupBoxStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QPointer>
#include <QStyleOption>
#include <qdrawutil.h>

namespace fyn {

namespace {

constexpr QLatin1StringView kFusion("fusion");

// Fusion's own figures for the frame: the room above it, the picture's unstretched border.
constexpr int kTopMargin = 3;
constexpr QMargins kBorder(6, 6, 6, 6);

} // namespace

GroupBoxStyle::GroupBoxStyle() : QProxyStyle(QString(kFusion)) {}

QStyle* GroupBoxStyle::forGroupBoxes() {
    static QPointer<GroupBoxStyle> style;
    if (QApplication::style()->name() != kFusion) {
        return nullptr;
    }
    if (style.isNull()) {
        style = new GroupBoxStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

void GroupBoxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The frame starts below the title, or just below the top when there is none to leave room
    // for.
    int topMargin = kTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (box == nullptr || box->isCheckable() || !box->title().isEmpty()) {
        topMargin += qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                          option->fontMetrics.height());
    }
    // Read at the first paint, after the window has been mapped.
    if (frame_.isNull()) {
        QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/"
                                           "fusion_groupbox.png"),
                            QByteArrayLiteral("png"));
        reader.setAutoDetectImageFormat(false);
        frame_ = QPixmap::fromImage(reader.read());
    }
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), kBorder, frame_);
}

} // namespace fyn
