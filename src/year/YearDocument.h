#pragma once

#include "PagedDocument.h"

namespace fyn {

class YearWording;

// The group's year as pages for the printers and the PDF writer: A4 landscape.
class YearDocument : public PagedDocument {
public:
    explicit YearDocument(const YearWording& wording) : wording_(wording) {}

    QString title() const override;
    bool landscape() const override { return true; }
    void Render(DrawingSurface& surface) const override;

private:
    const YearWording& wording_;
};

} // namespace fyn
