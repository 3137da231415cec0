#pragma once

#include "PagedDocument.h"
#include "PrintSource.h"

class QWidget;

namespace fyn {

// What the preview asks of printing. The program's printing lives in a module loaded at the
// first print (DeferredSheetPrinter), so the preview holds this rather than SheetPrinter.
class SheetPrinting {
public:
    virtual ~SheetPrinting() = default;

    // True when the job went to the printer; otherwise the user was told why.
    virtual bool PrintSheet(const PrintSource& source) = 0;
    // Any other pages, on the same printer, with the same answers.
    virtual bool PrintDocument(const PagedDocument& document) = 0;
    virtual bool PrinterSetup(QWidget* parent, const PrintSource& source) = 0;
};

} // namespace fyn
