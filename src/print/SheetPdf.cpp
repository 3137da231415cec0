#include "SheetPdf.h"

#include "PainterSurface.h"
#include "SheetPage.h"
#include "SheetPrinter.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

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
    // The PDF writer checks none of its writes, and QSaveFile commits even when its buffered
    // writes failed, so a full disk would leave a cut-short file. The PDF is drawn in memory
    // and written unbuffered, every write checked: a short one is retried, which then answers
    // the reason.
    QByteArray pdf;
    QBuffer memory(&pdf);
    memory.open(QIODevice::WriteOnly);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    if (!Render(memory, source, page)) {
        return QStringLiteral("the PDF could not be drawn");
    }
    for (qsizetype done = 0; done < pdf.size();) {
        const qint64 written = file.write(pdf.constData() + done, pdf.size() - done);
        if (written <= 0) {
            return file.errorString();
        }
        done += written;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

} // namespace fyn
