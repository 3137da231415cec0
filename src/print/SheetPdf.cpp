#include "SheetPdf.h"

#include "PainterSurface.h"
#include "SavedFile.h"
#include "SheetPage.h"
#include "SheetPrinter.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace fyn {

QPageLayout SheetPdf::A4WithoutMargins() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

bool SheetPdf::Render(QIODevice& device, const PrintSource& source, const QPageLayout& page) {
    PageMetrics metrics;
    metrics.title = SheetPage::Title(source);

    QPdfWriter writer(&device);
    writer.setResolution(SheetPrinter::kResolution);
    writer.setPageLayout(page);
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
    // The surface's end of the document would drop the answer.
    return painter.end();
}

QString SheetPdf::WriteFile(const QString& path, const PrintSource& source,
                            const QPageLayout& page) {
    // The PDF writer checks none of its writes, so the PDF is drawn in memory first.
    QByteArray pdf;
    QBuffer memory(&pdf);
    memory.open(QIODevice::WriteOnly);
    if (!Render(memory, source, page)) {
        return QStringLiteral("the PDF could not be drawn");
    }
    return SavedFile::Write(path, pdf);
}

} // namespace fyn
