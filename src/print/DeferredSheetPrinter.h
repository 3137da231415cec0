#pragma once

#include "SheetPrinting.h"

#include <memory>

namespace fyn {

class MessageBoxes;
class PrinterAccess;
class StringTable;

// The sheet printer of the private module "printing", loaded at the first print or printer
// setup, so that Qt's print support is not loaded when the preview is only looked at. When the
// module cannot be loaded, each attempt says so and does nothing.
class DeferredSheetPrinter : public SheetPrinting {
public:
    DeferredSheetPrinter(PrinterAccess& printers, MessageBoxes& messages,
                         const StringTable& strings);
    ~DeferredSheetPrinter() override;

    bool PrintSheet(const PrintSource& source) override;
    bool PrintDocument(const PagedDocument& document) override;
    bool PrinterSetup(QWidget* parent, const PrintSource& source) override;

private:
    // Null when the module cannot be loaded; the user has then been told.
    SheetPrinting* loaded();

    PrinterAccess& printers_;
    MessageBoxes& messages_;
    const StringTable& strings_;
    std::unique_ptr<SheetPrinting> printer_;
};

} // namespace fyn
