#include "SheetPrinter.h"

#include "MessageBoxes.h"
#include "PainterSurface.h"
#include "PrinterAccess.h"
#include "SheetPage.h"
#include "StringTable.h"
#include "TextIds.h"

#include <QPainter>
#include <QPrinter>

namespace fyn {

SheetPrinter::SheetPrinter(PrinterAccess& printers, MessageBoxes& messages,
                           const StringTable& strings)
    : printers_(printers), messages_(messages), strings_(strings) {}

bool SheetPrinter::PrintSheet(const PrintSource& source) {
    PageMetrics metrics;
    metrics.title = SheetPage::Title(source);

    const PrinterAccess::Current current = printers_.currentPrinter();
    if (current.state == PrinterAccess::State::NoPrinter) {
        messages_.inform(strings_.text(text::kNoPrinter));
        return false;
    }
    if (current.printer == nullptr) {
        messages_.inform(strings_.text(text::kNoHdc));
        return false;
    }
    QPrinter& printer = *current.printer;
    printer.setResolution(kResolution);
    printer.setDocName(metrics.title);

    QPainter painter;
    if (!painter.begin(&printer)) {
        messages_.inform(strings_.text(text::kNoHdc));
        return false;
    }
    PainterSurface surface(painter, &printer);
    SheetPage::MeasurePage(surface, metrics);
    surface.startDoc();
    SheetPage::RenderSheet(surface, metrics, source);
    surface.endDoc();
    return true;
}

bool SheetPrinter::PrinterSetup(QWidget* parent) {
    return printers_.setUp(parent);
}

} // namespace fyn
