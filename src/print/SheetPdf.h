#pragma once

#include "PagedDocument.h"
#include "PrintSource.h"

#include <QPageLayout>
#include <QString>

class QIODevice;

namespace fyn {

// Printed pages as a PDF at the printers' resolution: A4 with the origin at the page's corner,
// or the page a printer setup chose.
class SheetPdf {
public:
    static QPageLayout
    A4WithoutMargins(QPageLayout::Orientation orientation = QPageLayout::Portrait);

    // False when painting could not start or finish; the device's own errors are its owner's
    // to check.
    static bool Render(QIODevice& device, const PagedDocument& document,
                       const QPageLayout& page = A4WithoutMargins());
    static bool Render(QIODevice& device, const PrintSource& source,
                       const QPageLayout& page = A4WithoutMargins());
    // The same into a file, which is replaced only once the new one is complete: answers why
    // it could not be, or nothing.
    static QString WriteFile(const QString& path, const PagedDocument& document,
                             const QPageLayout& page = A4WithoutMargins());
    static QString WriteFile(const QString& path, const PrintSource& source,
                             const QPageLayout& page = A4WithoutMargins());
};

} // namespace fyn
