#include "PreviewDialog.h"

#include "ControlIds.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "GroupSheet.h"
#include "PreviewArea.h"
#include "PreviewPage.h"
#include "SheetPrinting.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"

#include <QPushButton>
#include <QShortcut>

namespace fyn {

PreviewDialog::PreviewDialog(const PrintSource& source, SheetPrinting& printer, QWidget* parent)
    : QDialog(parent), source_(source), printer_(printer), paging_(source.sheet.publisherCount()) {
    DialogBuilder builder(DialogTemplates::preview());
    builder.setCustomWidget(PreviewControl::Area,
                            [](QWidget* dialog) { return new PreviewArea(dialog); });
    builder.build(this);
    area_ = DialogBuilder::control<PreviewArea>(*this, PreviewControl::Area);
    area_->setPainter([this](DrawingSurface& surface, QSize size) {
        PreviewPage::DrawPreview(surface, size.width(), size.height(), source_, paging_.firstRow(),
                                 paging_.endRow());
    });
    setWindowTitle(
        source_.wording.LoadText(text::kSubmittedReports, text::kMonthNames + source_.month));
    area_->setRowsInWords([this] {
        QStringList rows;
        for (int row = paging_.firstRow(); row < paging_.endRow(); ++row) {
            rows << PreviewPage::RowInWords(source_, row);
        }
        return rows;
    });

    connect(button(PreviewControl::Close), &QPushButton::clicked, this, &QDialog::reject);
    connect(button(PreviewControl::Print), &QPushButton::clicked, this, &PreviewDialog::PrintSheet);
    connect(button(PreviewControl::PrinterSetup), &QPushButton::clicked, this,
            &PreviewDialog::PrinterSetup);
    connect(button(PreviewControl::PreviousPage), &QPushButton::clicked, this,
            &PreviewDialog::PreviousPage);
    connect(button(PreviewControl::NextPage), &QPushButton::clicked, this,
            &PreviewDialog::NextPage);
    // The page keys turn the pages whichever button stands for the direction on this page.
    const auto pageKey = [this](Qt::Key key, auto turn) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, turn);
    };
    pageKey(Qt::Key_PageDown, [this] {
        if (paging_.endRow() < paging_.publisherCount()) {
            NextPage();
        }
    });
    pageKey(Qt::Key_PageUp, [this] {
        if (paging_.firstRow() > 0) {
            PreviousPage();
        }
    });
    UpdatePageButtons();
    button(PreviewControl::Close)->setFocus();
}

QPushButton* PreviewDialog::button(int id) const {
    return DialogBuilder::control<QPushButton>(*this, id);
}

void PreviewDialog::UpdatePageButtons() {
    QPushButton* left = button(PreviewControl::PreviousPage);
    QPushButton* right = button(PreviewControl::NextPage);
    const PreviewPaging::Buttons buttons = paging_.UpdatePageButtons(!right->isHidden());
    left->setVisible(buttons.leftVisible);
    if (!buttons.leftCaption.isEmpty()) {
        left->setText(buttons.leftCaption);
    }
    right->setVisible(buttons.rightVisible);
    // The captions are arrows; a screen reader reads where they go, and the page shown.
    const StringTable& strings = source_.wording.strings();
    for (QPushButton* turn : {left, right}) {
        turn->setAccessibleName(strings.text(turn->text().startsWith(QLatin1Char('<'))
                                                 ? text::kPreviousPageName
                                                 : text::kNextPageName));
    }
    area_->setAccessibleName(
        strings.text(text::kPreviewPageName, {windowTitle(), QString::number(paging_.pageNumber()),
                                              QString::number(paging_.pageCount())}));
}

void PreviewDialog::NextPage() {
    paging_.NextPage();
    UpdatePageButtons();
    area_->update();
}

void PreviewDialog::PreviousPage() {
    paging_.PreviousPage();
    UpdatePageButtons();
    area_->update();
}

void PreviewDialog::PrintSheet() {
    printer_.PrintSheet(source_);
}

void PreviewDialog::PrinterSetup() {
    printer_.PrinterSetup(this, source_);
}

} // namespace fyn
