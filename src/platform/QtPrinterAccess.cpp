#include "QtPrinterAccess.h"

#include "StringTable.h"
#include "TextIds.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace fyn {

QtPrinterAccess::QtPrinterAccess() = default;
QtPrinterAccess::~QtPrinterAccess() = default;

void QtPrinterAccess::useMinimumMargins(QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}

std::unique_ptr<QPrinter> QtPrinterAccess::lookUpDefault() {
    // Without a default, "Print" is no guess at some queue that happens to be listed first:
    // the user chooses one in the set-up.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setPageSize(info.defaultPageSize());
    useMinimumMargins(*printer);
    return printer;
}

PrinterAccess::Current QtPrinterAccess::currentPrinter() {
    if (chosen_) {
        const bool toFile = chosen_->outputFormat() == QPrinter::PdfFormat;
        if (!toFile && QPrinterInfo::printerInfo(chosen_->printerName()).isNull()) {
            return {State::ChosenPrinterGone, nullptr};
        }
        return {State::Ready, chosen_.get()};
    }
    lookedUp_ = lookUpDefault();
    if (!lookedUp_) {
        return {State::NoPrinter, nullptr};
    }
    return {State::Ready, lookedUp_.get()};
}

bool QtPrinterAccess::setUp(QWidget* parent) {
    std::unique_ptr<QPrinter> candidate;
    QPrinter* printer = chosen_.get();
    if (printer == nullptr) {
        candidate = lookUpDefault();
        if (!candidate) {
            // Without printers the dialog still offers printing to a PDF file.
            candidate = std::make_unique<QPrinter>(QPrinter::HighResolution);
        }
        printer = candidate.get();
    }

    QPrintDialog dialog(printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    // Qt would propose print.pdf in the working folder, which every later print overwrites.
    auto* fileField = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (fileField != nullptr && printer->outputFileName().isEmpty() && !proposedFile_.isEmpty()) {
        fileField->setText(proposedFile_);
    }
    // Nothing is printed on accepting: the button only confirms the choice. Qt's Slovak texts
    // lack the cancel button's.
    for (auto* buttons : dialog.findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
            ok->setText(QStringLiteral("OK"));
        }
        if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel)) {
            cancel->setText(StringTable::translatedText(text::kCancelButton));
        }
    }
    // Qt's dialog switches the printer it is given as soon as another is picked in its list;
    // cancelling must leave the chosen printer as it was.
    const QString name = printer->printerName();
    const QString file = printer->outputFileName();
    const QPageLayout layout = printer->pageLayout();
    if (dialog.exec() != QDialog::Accepted) {
        printer->setPrinterName(name);
        printer->setOutputFileName(file);
        printer->setPageLayout(layout);
        return false;
    }
    // Qt's dialog cannot hide its copies box; every print is one copy, as before the setup.
    printer->setCopyCount(1);
    useMinimumMargins(*printer);
    if (candidate) {
        chosen_ = std::move(candidate);
    }
    return true;
}

} // namespace fyn
