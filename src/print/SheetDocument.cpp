#include "SheetDocument.h"

#include "DrawingSurface.h"
#include "SheetPage.h"

namespace fyn {

QString SheetDocument::title() const {
    return SheetPage::Title(source_);
}

void SheetDocument::Render(DrawingSurface& surface) const {
    PageMetrics metrics;
    metrics.title = title();
    SheetPage::MeasurePage(surface, metrics);
    surface.startDoc();
    SheetPage::RenderSheet(surface, metrics, source_);
}

} // namespace fyn
