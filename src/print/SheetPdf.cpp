#include "SheetPdf.h"

#include "PainterSurface.h"
#include "SavedFile.h"
#include "SheetDocument.h"
#include "SheetPrinter.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace fyn {

QPageLayout SheetPdf::A4WithoutMargins(QPageLayout::Orientation orientation) {
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0));
}

bool SheetPdf::Render(QIODevice& device, const PagedDocument& document, const QPageLayout& page) {
    QPdfWriter writer(&device);
    writer.setResolution(SheetPrinter::kResolution);
    writer.setPageLayout(page);
    writer.setTitle(document.title());
    writer.setCreator(QStringLiteral("Fyn"));

    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    PainterSurface surface(painter, &writer);
    document.Render(surface);
    // The surface's end of the document would drop the answer.
    return painter.end();
}

bool SheetPdf::Render(QIODevice& device, const PrintSource& source, const QPageLayout& page) {
    return Render(device, SheetDocument(source), page);
}

QString SheetPdf::WriteFile(const QString& path, const PagedDocument& document,
                            const QPageLayout& page) {
    // The PDF writer checks none of its writes, so the PDF is drawn in memory first.
    QByteArray pdf;
    QBuffer memory(&pdf);
    memory.open(QIODevice::WriteOnly);
    if (!Render(memory, document, page)) {
        return QStringLiteral("the PDF could not be drawn");
    }
    return SavedFile::Write(path, pdf);
}

QString SheetPdf::WriteFile(const QString& path, const PrintSource& source,
                            const QPageLayout& page) {
    return WriteFile(path, SheetDocument(source), page);
}

} // namespace fyn
