#include "SheetPdf.h"

#include "PainterSurface.h"
#include "SheetPage.h"
#include "SheetPrinter.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace fyn {

bool SheetPdf::Render(QIODevice& device, const PrintSource& source) {
    PageMetrics metrics;
    metrics.title = SheetPage::Title(source);

    QPdfWriter writer(&device);
    writer.setResolution(SheetPrinter::kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(metrics.title);
    writer.setCreator(QStringLiteral("Fyn"));

    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    PainterSurface surface(painter, &writer);
    SheetPage::MeasurePage(surface, metrics);
    surface.startDoc();
    SheetPage::RenderSheet(surface, metrics, source);
    surface.endDoc();
    return true;
}

} // namespace fyn
