#pragma once

#include "YearPage.h"

#include <QWidget>
#include <functional>

namespace fyn {

class YearWording;

// The group's months under the year's table: the figures and the bar chart, drawn by the same
// routine as on paper, in the table's columns. A screen reader reads the figures as text.
class YearChart : public QWidget {
    Q_OBJECT

public:
    // The table's columns in this widget's coordinates, asked at every paint.
    using ColumnSource = std::function<YearPage::Columns()>;

    YearChart(QWidget* parent = nullptr);

    void Show(const YearWording& wording, ColumnSource columns);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const YearWording* wording_ = nullptr;
    ColumnSource columns_;
};

} // namespace fyn
