#include "YearDialog.h"

#include "ControlIds.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "GroupSheet.h"
#include "MessageBoxes.h"
#include "SheetPrinting.h"
#include "StringTable.h"
#include "TextIds.h"
#include "YearChart.h"
#include "YearDocument.h"
#include "YearGrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace fyn {

YearDialog::YearDialog(const Context& context, QWidget* parent)
    : QDialog(parent), context_(context), year_(context.sheet),
      wording_(year_, context.wording, context.strings) {
    DialogBuilder builder(DialogTemplates::year());
    builder.setCustomWidget(YearControl::Grid,
                            [](QWidget* dialog) { return new YearGrid(dialog); });
    builder.setCustomWidget(YearControl::Chart,
                            [](QWidget* dialog) { return new YearChart(dialog); });
    builder.build(this);
    const StringTable& strings = context_.strings;
    setWindowTitle(wording_.title());
    grid_ = DialogBuilder::control<YearGrid>(*this, YearControl::Grid);
    chart_ = DialogBuilder::control<YearChart>(*this, YearControl::Chart);
    grid_->setAccessibleName(strings.text(text::kYearGridName));
    auto* legend = DialogBuilder::control<QLabel>(*this, YearControl::Legend);
    legend->setWordWrap(true);
    legend->setText(wording_.legend());
    auto* print = DialogBuilder::control<QPushButton>(*this, YearControl::Print);
    print->setText(strings.text(text::kYearPrintButton));
    auto* close = DialogBuilder::control<QPushButton>(*this, YearControl::Close);
    close->setText(strings.text(text::kYearCloseButton));
    for (QPushButton* button : {print, close}) {
        button->setAutoDefault(false);
    }

    // The months share what the name and the status leave, and the rows need no scrolling
    // sideways.
    const int width = grid_->width() - 2 * grid_->frameWidth() -
                      grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid_);
    const int name = width * 2 / 11;
    const int status = width / 10;
    const int month = (width - name - status) / GroupYear::kMonths;
    grid_->setColumnWidth(YearGrid::kNameColumn, name);
    for (int column = 0; column < GroupYear::kMonths; ++column) {
        grid_->setColumnWidth(YearGrid::kFirstMonthColumn + column, month);
    }
    grid_->setColumnWidth(YearGrid::kStatusColumn, status);
    showYear();
    grid_->setFocus();

    connect(grid_, &YearGrid::monthChosen, this, &YearDialog::ChooseMonth);
    connect(print, &QPushButton::clicked, this, [this] {
        Print();
        grid_->setFocus();
    });
    connect(close, &QPushButton::clicked, this, &YearDialog::reject);
}

void YearDialog::showYear() {
    grid_->Fill(wording_);
    chart_->Show(wording_, [this] { return chartColumns(); });
}

YearPage::Columns YearDialog::chartColumns() const {
    YearPage::Columns columns;
    const QPoint origin = grid_->viewport()->mapTo(this, QPoint(0, 0)) - chart_->pos();
    for (int column = 0; column <= YearGrid::kStatusColumn; ++column) {
        columns.x.push_back(origin.x() + grid_->columnViewportPosition(column));
    }
    columns.x.push_back(columns.x.back() + grid_->columnWidth(YearGrid::kStatusColumn));
    return columns;
}

void YearDialog::ChooseMonth(int index, int column) {
    if (!year_.reachable(column)) {
        context_.messages.inform(
            context_.strings.text(text::kYearUnreachable,
                                  {wording_.monthAndYear(column, true),
                                   QString::number(year_.months()[GroupYear::kMonths - 1].year)}));
    } else if (context_.openReport) {
        context_.openReport(index, year_.months()[static_cast<std::size_t>(column)].month);
        showYear();
    }
    activateWindow();
    grid_->setFocus();
}

bool YearDialog::Print() {
    return context_.printer.PrintDocument(YearDocument(wording_));
}

} // namespace fyn
