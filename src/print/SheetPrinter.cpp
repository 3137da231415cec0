#include "SheetPrinter.h"

#include "GroupSheet.h"
#include "MessageBoxes.h"
#include "PainterSurface.h"
#include "PrinterAccess.h"
#include "SheetDocument.h"
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
    return PrintDocument(SheetDocument(source));
}

namespace {

// The page turned for one job and back after it, whatever becomes of the job.
class PageTurn {
public:
    PageTurn(QPrinter& printer, bool landscape)
        : printer_(printer), before_(printer.pageLayout().orientation()) {
        if (landscape) {
            printer_.setPageOrientation(QPageLayout::Landscape);
        }
    }
    ~PageTurn() { printer_.setPageOrientation(before_); }
    PageTurn(const PageTurn&) = delete;
    PageTurn& operator=(const PageTurn&) = delete;

private:
    QPrinter& printer_;
    QPageLayout::Orientation before_;
};

} // namespace

bool SheetPrinter::PrintDocument(const PagedDocument& document) {
    const QString title = document.title();

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
    const PageTurn turn(printer, document.landscape());
    printer.setResolution(kResolution);
    printer.setDocName(title);
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        return printToFile(printer, document);
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        messages_.inform(strings_.text(text::kNoHdc));
        return false;
    }
    PainterSurface surface(painter, &printer);
    document.Render(surface);
    // The surface's end of the document would drop the answer: a job the print system did not
    // take is not printed.
    if (!painter.end()) {
        messages_.inform(strings_.text(text::kNoHdc));
        return false;
    }
    return true;
}

bool SheetPrinter::printToFile(const QPrinter& printer, const PagedDocument& document) {
    // Qt's PDF printer writes over the old file as it goes and neither checks nor reports its
    // writes: a full disk would leave a cut-short PDF without a word.
    const QString path = printer.outputFileName();
    const QString failure = SheetPdf::WriteFile(path, document, printer.pageLayout());
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
