#pragma once

#include <QString>

namespace fyn {

class DrawingSurface;

// Pages that the printers and the PDF writer take: the list for collecting reports, the
// group's year. The printer path asks nothing else of them.
class PagedDocument {
public:
    virtual ~PagedDocument() = default;

    // The printed title and the print job's name.
    virtual QString title() const = 0;
    virtual bool landscape() const { return false; }
    // Starts the document on a fresh device and draws every page; the device's owner ends it.
    virtual void Render(DrawingSurface& surface) const = 0;
};

} // namespace fyn
