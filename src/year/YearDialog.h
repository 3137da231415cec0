#pragma once

#include "GroupYear.h"
#include "YearContext.h"
#include "YearPage.h"
#include "YearWording.h"

#include <QDialog>

namespace fyn {

class YearChart;
class YearGrid;

// The group's year at a glance: who reported in each of the last twelve months, who became
// irregular or inactive, and the group's months as figures and bars. Enter on a month opens
// the report dialog there; Print prints the year on the current printer.
class YearDialog : public QDialog {
    Q_OBJECT

public:
    using Context = YearContext;

    YearDialog(const Context& context, QWidget* parent = nullptr);

    // Enter on a cell: the report dialog for that publisher and month, or why it cannot be.
    void ChooseMonth(int index, int column);
    bool Print();

private:
    void showYear();
    YearPage::Columns chartColumns() const;

    Context context_;
    GroupYear year_;
    YearWording wording_;
    YearGrid* grid_ = nullptr;
    YearChart* chart_ = nullptr;
};

} // namespace fyn
