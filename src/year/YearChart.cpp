#include "YearChart.h"

#include "PainterSurface.h"
#include "StringTable.h"
#include "TextIds.h"
#include "YearWording.h"

#include <QPainter>

namespace fyn {

YearChart::YearChart(QWidget* parent) : QWidget(parent) {}

void YearChart::Show(const YearWording& wording, ColumnSource columns) {
    wording_ = &wording;
    columns_ = std::move(columns);
    setAccessibleName(wording.strings().text(text::kYearChartName));
    const QStringList headings = wording.totalsHeadings();
    QStringList lines;
    for (int column = 0; column < GroupYear::kMonths; ++column) {
        const QStringList figures = wording.totalsColumn(column);
        QStringList parts;
        for (int row = 0; row < headings.size() && row < figures.size(); ++row) {
            parts << headings[row] + QLatin1Char(' ') + figures[row];
        }
        lines << wording.monthAndYear(column) + QStringLiteral(": ") +
                     parts.join(QStringLiteral(", "));
    }
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
    update();
}

void YearChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PainterSurface surface(painter, nullptr);
    // A piece of paper, as the preview shows the page: the layout draws in black.
    surface.fillRect(rect(), surface.backgroundColor());
    if (wording_ == nullptr || !columns_) {
        return;
    }
    surface.setTransparentBackground();
    surface.selectFont(YearPage::TextFont(surface, *wording_));
    YearPage::DrawMonths(surface, *wording_, columns_(), surface.textHeight() / 2,
                         palette().color(QPalette::Highlight));
}

} // namespace fyn
