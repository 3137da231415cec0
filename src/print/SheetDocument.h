#pragma once

#include "PagedDocument.h"
#include "PrintSource.h"

namespace fyn {

// The list for collecting reports as pages for the printer path.
class SheetDocument : public PagedDocument {
public:
    explicit SheetDocument(const PrintSource& source) : source_(source) {}

    QString title() const override;
    void Render(DrawingSurface& surface) const override;

private:
    PrintSource source_;
};

} // namespace fyn
