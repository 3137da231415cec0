#pragma once

#include "PreviewPaging.h"
#include "PrintSource.h"

#include <QDialog>

class QPushButton;

namespace fyn {

class PreviewArea;
class SheetPrinting;

// The month's reports of the whole group on screen, 18 publishers a page, with printing and
// the printer setup. It only reads the sheet.
class PreviewDialog : public QDialog {
    Q_OBJECT

public:
    PreviewDialog(const PrintSource& source, SheetPrinting& printer, QWidget* parent = nullptr);

    void NextPage();
    void PreviousPage();
    void PrintSheet();
    void PrinterSetup();

    int month() const { return source_.month; }
    const PreviewPaging& paging() const { return paging_; }
    PreviewArea* area() const { return area_; }

private:
    void UpdatePageButtons();
    QPushButton* button(int id) const;

    PrintSource source_;
    SheetPrinting& printer_;
    PreviewPaging paging_;
    PreviewArea* area_ = nullptr;
};

} // namespace fyn
