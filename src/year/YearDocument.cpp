#include "YearDocument.h"

#include "DrawingSurface.h"
#include "YearPage.h"
#include "YearWording.h"

namespace fyn {

QString YearDocument::title() const {
    return wording_.title();
}

void YearDocument::Render(DrawingSurface& surface) const {
    surface.startDoc();
    YearPage::Render(surface, wording_);
}

} // namespace fyn
