#include "YearPage.h"

#include "DrawingSurface.h"
#include "GroupSheet.h"
#include "StringTable.h"
#include "SurfaceRoutines.h"
#include "TextIds.h"
#include "Wording.h"
#include "YearWording.h"

#include <QStringList>
#include <algorithm>

namespace fyn {

namespace {

constexpr int kTextTenths = 80;
constexpr int kTitleTenths = 120;

FontSpec layoutFont(const DrawingSurface& surface, int tenths, bool bold,
                    const YearWording& wording) {
    return SurfaceRoutines::LayoutFont(surface, tenths, bold, wording.wording().languageCode());
}

int rowHeight(const DrawingSurface& surface) {
    return surface.textHeight() * 5 / 4;
}

// Landscape A4 is 11.7 by 8.3 inches; half an inch stays free all round.
int pageBottom(const DrawingSurface& surface) {
    const int height =
        surface.printableHeight() > 0 ? surface.printableHeight() : surface.dpiY() * 83 / 10;
    return height - surface.dpiY() / 2;
}

void drawRules(DrawingSurface& surface, const YearPage::Columns& columns, int top, int rows,
               int height) {
    const Pen previous = surface.selectPen(Pen::black());
    const int bottom = top + rows * height;
    for (int row = 0; row <= rows; ++row) {
        surface.moveTo(columns.x.front(), top + row * height);
        surface.lineTo(columns.x.back(), top + row * height);
    }
    for (const int x : columns.x) {
        surface.moveTo(x, top);
        surface.lineTo(x, bottom);
    }
    surface.selectPen(previous);
}

// Text inside a cell, a little off its left rule, cut at its right one.
void cellText(DrawingSurface& surface, int left, int right, int top, int height,
              const QString& text) {
    const int pad = surface.dpiX() / 24;
    const int y = top + (height - surface.textHeight()) / 2;
    surface.drawClippedText(left + pad, y, QRect(left, top, right - left - pad, height), text);
}

// The title and the two heading rows; answers the top of the first publisher row.
int drawPageHead(DrawingSurface& surface, const YearWording& wording,
                 const YearPage::Columns& columns) {
    const int top = surface.dpiY() / 2;
    const FontSpec previous = surface.selectFont(layoutFont(surface, kTitleTenths, true, wording));
    surface.drawText(columns.x.front(), top, wording.title());
    const int headingTop = top + surface.textHeight() * 2;
    surface.selectFont(layoutFont(surface, kTextTenths, true, wording));
    const int height = rowHeight(surface);
    for (int column = 0; column < GroupYear::kMonths; ++column) {
        cellText(surface, columns.monthLeft(column), columns.monthRight(column), headingTop, height,
                 wording.yearHeading(column));
        cellText(surface, columns.monthLeft(column), columns.monthRight(column),
                 headingTop + height, height, wording.shortMonth(column));
    }
    const StringTable& strings = wording.strings();
    cellText(surface, columns.x[0], columns.x[1], headingTop + height, height,
             strings.text(text::kYearNameHeading));
    cellText(surface, columns.x[13], columns.x[14], headingTop + height, height,
             strings.text(text::kYearStatusHeading));
    surface.selectFont(previous);
    return headingTop + 2 * height;
}

void drawRow(DrawingSurface& surface, const YearWording& wording, const YearPage::Columns& columns,
             int index, int top, int height) {
    const GroupYear& year = wording.year();
    cellText(surface, columns.x[0], columns.x[1], top, height,
             wording.wording().PublisherName(index, true));
    for (int column = 0; column < GroupYear::kMonths; ++column) {
        const GroupYear::Cell cell = year.cell(index, column);
        if (cell.kind == GroupYear::Kind::Missing) {
            // Grey as well as the sign, so that the gaps stand out on paper.
            const Pen pen = surface.selectPen(Pen::null());
            const Brush brush = surface.selectBrush(Brush::LightGrey);
            surface.rectangle(columns.monthLeft(column), top, columns.monthRight(column) + 1,
                              top + height + 1);
            surface.selectBrush(brush);
            surface.selectPen(pen);
        }
        cellText(surface, columns.monthLeft(column), columns.monthRight(column), top, height,
                 wording.cellText(cell));
    }
    cellText(surface, columns.x[13], columns.x[14], top, height,
             wording.statusText(year.status(index)));
}

} // namespace

YearPage::Columns YearPage::PageColumns(const DrawingSurface& surface) {
    const int d = surface.dpiX();
    const int left = d / 2;
    const int name = d * 17 / 10;
    const int status = d * 11 / 10;
    // Ten and a half inches in all.
    const int month = (d * 21 / 2 - name - status) / GroupYear::kMonths;
    Columns columns;
    columns.x.push_back(left);
    for (int column = 0; column <= GroupYear::kMonths; ++column) {
        columns.x.push_back(left + name + column * month);
    }
    columns.x.push_back(columns.x.back() + status);
    return columns;
}

FontSpec YearPage::TextFont(const DrawingSurface& surface, const YearWording& wording) {
    return layoutFont(surface, kTextTenths, false, wording);
}

int YearPage::MonthsHeight(const DrawingSurface& surface) {
    constexpr int kFigureRows = text::kYearTotalsLast - text::kYearTotalsFirst + 1;
    return (kFigureRows + 1) * rowHeight(surface) + surface.dpiY() * 3 / 4;
}

int YearPage::DrawMonths(DrawingSurface& surface, const YearWording& wording,
                         const Columns& columns, int top, std::optional<QColor> bar) {
    const int height = rowHeight(surface);
    const QStringList headings = wording.totalsHeadings();
    std::vector<QStringList> figures;
    for (int column = 0; column < GroupYear::kMonths; ++column) {
        figures.push_back(wording.totalsColumn(column));
    }
    for (int row = 0; row < headings.size(); ++row) {
        const int y = top + row * height;
        cellText(surface, columns.x[0], columns.x[1], y, height, headings[row]);
        for (int column = 0; column < GroupYear::kMonths; ++column) {
            cellText(surface, columns.monthLeft(column), columns.monthRight(column), y, height,
                     figures[static_cast<std::size_t>(column)][row]);
        }
    }
    Columns figureColumns = columns;
    figureColumns.x.pop_back();
    drawRules(surface, figureColumns, top, static_cast<int>(headings.size()), height);

    // The bars of the reports received, a full bar for every publisher reported.
    const int chartTop = top + (static_cast<int>(headings.size()) + 1) * height;
    const int chartHeight = surface.dpiY() * 3 / 4;
    const int chartBottom = chartTop + chartHeight;
    cellText(surface, columns.x[0], columns.x[1], chartTop, height,
             wording.strings().text(text::kYearChartName));
    const Brush brush = surface.selectBrush(Brush::LightGrey);
    for (int column = 0; column < GroupYear::kMonths; ++column) {
        const MonthTotals totals = wording.year().totals(column);
        const int barHeight =
            totals.publishers > 0 ? chartHeight * totals.reported / totals.publishers : 0;
        const int width = columns.monthRight(column) - columns.monthLeft(column);
        const int left = columns.monthLeft(column) + width / 5;
        const int right = columns.monthRight(column) - width / 5;
        if (barHeight > 0) {
            if (bar) {
                surface.fillRect(QRect(QPoint(left, chartBottom - barHeight),
                                       QPoint(right - 1, chartBottom - 1)),
                                 *bar);
            } else {
                surface.rectangle(left, chartBottom - barHeight, right, chartBottom);
            }
        }
    }
    surface.selectBrush(brush);
    const Pen previous = surface.selectPen(Pen::black());
    surface.moveTo(columns.monthLeft(0), chartBottom);
    surface.lineTo(columns.monthRight(GroupYear::kMonths - 1), chartBottom);
    surface.selectPen(previous);
    return chartBottom;
}

void YearPage::Render(DrawingSurface& surface, const YearWording& wording) {
    const Columns columns = PageColumns(surface);
    // The grey of a missing month shows around its sign.
    surface.setTransparentBackground();
    const int count = wording.year().sheet().publisherCount();
    const FontSpec previous = surface.selectFont(layoutFont(surface, kTextTenths, false, wording));
    const int height = rowHeight(surface);
    const int bottom = pageBottom(surface) - 2 * height;
    int index = 1;
    for (bool firstPage = true;; firstPage = false) {
        SurfaceRoutines::StartPageKeepingFont(surface, !firstPage);
        const int firstRow = drawPageHead(surface, wording, columns);
        int y = firstRow;
        // Every page takes one publisher at least, however small the device's page.
        while (index <= count && (y + height <= bottom || y == firstRow)) {
            drawRow(surface, wording, columns, index, y, height);
            y += height;
            ++index;
        }
        drawRules(surface, columns, firstRow - 2 * height, (y - firstRow) / height + 2, height);
        const bool monthsFit = y + height + MonthsHeight(surface) <= bottom;
        if (index > count && (monthsFit || y == firstRow)) {
            const int end = DrawMonths(surface, wording, columns, y + height, std::nullopt);
            surface.drawText(columns.x.front(), end + height, wording.legend());
            break;
        }
    }
    surface.selectFont(previous);
    surface.endPage();
}

} // namespace fyn
