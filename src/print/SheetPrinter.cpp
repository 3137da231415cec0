#include "SheetPrinter.h"

#include "GroupSheet.h"
#include "MessageBoxes.h"
#include "PainterSurface.h"
#include "PrinterAccess.h"
#include "SheetPage.h"
#include "SheetPdf.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"

#include <QFileInfo>
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
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        return printToFile(printer, source);
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        messages_.inform(strings_.text(text::kNoHdc));
        return false;
    }
    PainterSurface surface(painter, &printer);
    SheetPage::MeasurePage(surface, metrics);
    surface.startDoc();
    SheetPage::RenderSheet(surface, metrics, source);
    // The surface's end of the document would drop the answer: a job the print system did not
    // take is not printed.
    if (!painter.end()) {
        messages_.inform(strings_.text(text::kNoHdc));
        return false;
    }
    return true;
}

bool SheetPrinter::printToFile(const QPrinter& printer, const PrintSource& source) {
    // Qt's PDF printer writes over the old file as it goes and neither checks nor reports its
    // writes: a full disk would leave a cut-short PDF without a word.
    const QString path = printer.outputFileName();
    const QString failure = SheetPdf::WriteFile(path, source, printer.pageLayout());
    if (!failure.isEmpty()) {
        messages_.inform(strings_.text(text::kPrintToFileFailed, {path, failure}));
        return false;
    }
    return true;
}

bool SheetPrinter::PrinterSetup(QWidget* parent, const PrintSource& source) {
    printers_.proposeOutputFile(OutputFile(source));
    return printers_.setUp(parent);
}

QString SheetPrinter::OutputFile(const PrintSource& source) {
    const QString& sheetPath = source.sheet.sheetPath();
    if (sheetPath.isEmpty()) {
        return {};
    }
    const QFileInfo sheet(sheetPath);
    return QStringLiteral("%1/%2-%3.pdf")
        .arg(sheet.absolutePath(), sheet.completeBaseName(),
             source.wording.MonthName(source.month));
}

} // namespace fyn
