#include "SheetPage.h"

#include "DrawingSurface.h"
#include "GroupSheet.h"
#include "Remarks.h"
#include "SurfaceRoutines.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "Wording.h"

#include <QStringList>
#include <cstdlib>

namespace fyn {

namespace {

constexpr int kAuxiliaryPioneer = 1;
constexpr int kCheckBoxDivisor = 7;

// The positions of the table, fixed for the whole run once the left margin is final.
struct Columns {
    int left = 0;       // L
    int phone = 0;      // P
    int nameRule = 0;   // E
    int valueWidth = 0; // S
    int c[6] = {};      // C0 .. C5
    int gridLeft = 0;   // GL
    int rowHeight = 0;  // R
    int gridTop = 0;    // GT
};

Columns computeColumns(const PageMetrics& metrics) {
    const int d = metrics.dpiX;
    const int v = metrics.dpiY;
    Columns columns;
    columns.left = metrics.leftMargin;
    columns.phone = metrics.phoneColumnX;
    columns.nameRule = columns.phone - d / 20;
    columns.valueWidth = d / 10 + d / 2;
    columns.c[0] = columns.nameRule + d + d / 4;
    for (int k = 1; k <= 4; ++k) {
        columns.c[k] = columns.c[0] + k * columns.valueWidth;
    }
    columns.c[5] = columns.c[0] + 5 * columns.valueWidth + d;
    columns.gridLeft = columns.left - d / 20;
    columns.rowHeight = v / 4;
    columns.gridTop = 4 * (v / 4) + metrics.topMargin - v / 24;
    return columns;
}

FontSpec layoutFont(const DrawingSurface& surface, int tenths, bool bold,
                    const PrintSource& source) {
    return SurfaceRoutines::LayoutFont(surface, tenths, bold, source.wording.languageCode());
}

void drawColumnHeadings(DrawingSurface& surface, const PageMetrics& metrics, const Columns& columns,
                        const PrintSource& source, bool firstPage) {
    const int d = metrics.dpiX;
    const int y = metrics.topMargin + 4 * metrics.lineHeight;
    const Wording& wording = source.wording;
    surface.drawText(columns.c[0] + d / 20, y, wording.LoadText(text::kInServiceHeading));
    surface.drawText(columns.c[1] + d / 20, y, wording.LoadText(text::kStudiesHeading));
    surface.drawText(columns.c[2] + d / 20, y, wording.LoadText(text::kAuxiliaryHeading));
    surface.drawText(columns.c[3] + d / 20, y, wording.LoadText(text::kHoursHeading));
    surface.drawText(columns.c[4] + (firstPage ? d / 2 : d / 10), y,
                     wording.LoadText(text::kRemarksHeading));
}

struct RowFonts {
    FontSpec normal;
    FontSpec small;
};

void drawRemark(DrawingSurface& surface, QByteArray remark, int x, int y, int rowHeight,
                const RowFonts& fonts) {
    // Lengths count the bytes of the single-byte text.
    constexpr qsizetype kLongest = 35;
    constexpr qsizetype kShortenedTo = 22;
    constexpr qsizetype kOneLineBelow = 20;
    constexpr qsizetype kSplitFrom = 5;
    constexpr qsizetype kSplitAtMost = 19;
    if (remark.size() <= 1) {
        return;
    }
    if (remark.size() > kLongest) {
        remark = remark.left(kShortenedTo) + "...";
    }
    if (remark.size() < kOneLineBelow) {
        surface.drawText(x, y, TextCodec::toUnicode(remark));
        return;
    }
    surface.selectFont(fonts.small);
    qsizetype split = remark.indexOf(' ', kSplitFrom);
    if (split < kSplitFrom || split > kSplitAtMost) {
        split = kSplitAtMost;
    }
    surface.drawText(x, y - rowHeight / 6, TextCodec::toUnicode(remark.left(split)));
    surface.drawText(x, y + rowHeight / 4, TextCodec::toUnicode(remark.mid(split)));
    surface.selectFont(fonts.normal);
}

void drawRow(DrawingSurface& surface, const PageMetrics& metrics, const Columns& columns,
             const PrintSource& source, const RowFonts& fonts, int index) {
    const int d = metrics.dpiX;
    const int v = metrics.dpiY;
    const int r = columns.rowHeight;
    const int t = metrics.topMargin;
    const int n = metrics.line;
    const int y = n * r + r / 8 + t;
    const GroupSheet& sheet = source.sheet;
    const PublisherView publisher = sheet.publisher(index);
    const MonthEntryView entry = publisher.month(source.month, sheet.yearSlot);

    surface.drawText(columns.left, y, source.wording.PublisherName(index, false));

    const QStringList phones = publisher.usablePhones();
    if (phones.size() >= 2) {
        surface.selectFont(fonts.small);
        surface.drawText(columns.phone, n * r - r / 7 + t, phones[0]);
        surface.drawText(columns.phone + d / 5, n * r + r / 3 + t, phones[1]);
        surface.selectFont(fonts.normal);
    } else if (phones.size() == 1) {
        surface.drawText(columns.phone, y, phones[0]);
    }

    surface.setTextAlign(TextAlign::RightTop);
    SurfaceRoutines::DrawCheckBox(surface, columns.c[0] + 7 * d / 19, y + v / 8, entry.inService(),
                                  kCheckBoxDivisor);
    if (entry.studies() != 0) {
        surface.drawText(columns.c[1] + 4 * d / 10, y, QString::number(entry.studies()));
    }
    SurfaceRoutines::DrawCheckBox(surface, columns.c[2] + 7 * d / 19, y + v / 8,
                                  entry.pioneerStatus() == kAuxiliaryPioneer, kCheckBoxDivisor);
    if (entry.hours() != 0) {
        surface.drawText(columns.c[3] + 4 * d / 10, y, QString::number(entry.hours()));
    }
    surface.setTextAlign(TextAlign::LeftTop);

    drawRemark(surface, LookUpRemark(sheet, index, source.month, sheet.yearSlot),
               columns.c[4] + d / 20, y, r, fonts);
}

// Windows cuts off what falls below the printable height; on landscape or short paper that
// would drop publishers from the list without a word.
bool rowPassesPrintableHeight(const DrawingSurface& surface, const Columns& columns, int line) {
    const int height = surface.printableHeight();
    const int rowBottom =
        columns.gridTop + (line - SheetPage::kFirstRowLine + 1) * columns.rowHeight;
    return height > 0 && line > SheetPage::kFirstRowLine && rowBottom > height;
}

void startPage(DrawingSurface& surface, PageMetrics& metrics, const Columns& columns,
               const PrintSource& source, std::uint16_t headingLineHeight, bool firstPage) {
    SurfaceRoutines::StartPageKeepingFont(surface, !firstPage);
    metrics.lineHeight = headingLineHeight;
    SheetPage::DrawPageHeader(surface, metrics, source);
    drawColumnHeadings(surface, metrics, columns, source, firstPage);
    metrics.lineHeight = static_cast<std::uint16_t>(columns.rowHeight);
    metrics.line = SheetPage::kFirstRowLine;
}

} // namespace

QString SheetPage::Title(const PrintSource& source) {
    return source.wording.LoadText(text::kSheetTitle) + QStringLiteral(" - ") +
           source.wording.LoadText(text::kMonthNames + source.month);
}

void SheetPage::MeasurePage(const DrawingSurface& surface, PageMetrics& metrics) {
    const int height = std::abs(surface.textHeight());
    metrics.dpiY = surface.dpiY();
    metrics.dpiX = surface.dpiX();
    metrics.topMargin = static_cast<std::uint16_t>(metrics.dpiY / 2);
    metrics.leftMargin = static_cast<std::uint16_t>(metrics.dpiX);
    metrics.lineHeight =
        static_cast<std::uint16_t>(metrics.dpiY / 6 > height ? metrics.dpiY / 6 : height);
}

void SheetPage::DrawPageHeader(DrawingSurface& surface, const PageMetrics& metrics,
                               const PrintSource& source) {
    const int left = metrics.leftMargin;
    const int top = metrics.topMargin;
    const FontSpec previousTitle = surface.selectFont(layoutFont(surface, 140, true, source));
    surface.drawText(left, top, metrics.title);
    surface.selectFont(previousTitle);

    const FontSpec previousGroup = surface.selectFont(layoutFont(surface, 120, true, source));
    surface.drawText(left, top + 2 * metrics.lineHeight, metrics.subtitle);
    surface.selectFont(previousGroup);

    surface.drawText(left, top + 4 * metrics.lineHeight,
                     source.wording.LoadText(text::kNameHeading));
    surface.drawText(metrics.phoneColumnX, top + 4 * metrics.lineHeight,
                     source.wording.LoadText(text::kPhoneHeading));
}

void SheetPage::RenderSheet(DrawingSurface& surface, PageMetrics& metrics,
                            const PrintSource& source) {
    const int count = source.sheet.publisherCount();
    const std::uint16_t headingLineHeight = metrics.lineHeight;

    const RowFonts fonts{layoutFont(surface, 100, false, source),
                         layoutFont(surface, 80, false, source)};
    const FontSpec previous = surface.selectFont(fonts.normal);

    metrics.leftMargin = static_cast<std::uint16_t>(metrics.leftMargin - metrics.dpiX / 2);
    metrics.phoneColumnX = static_cast<std::uint16_t>(metrics.leftMargin + 2 * metrics.dpiX);
    const Columns columns = computeColumns(metrics);
    metrics.subtitle = QStringLiteral("%1 #%2  ")
                           .arg(source.wording.LoadText(text::kGroup))
                           .arg(source.sheet.groupNumber());

    startPage(surface, metrics, columns, source, headingLineHeight, true);
    for (int i = 1; i <= count; ++i) {
        if (metrics.line > kLastRowLine ||
            rowPassesPrintableHeight(surface, columns, metrics.line)) {
            startPage(surface, metrics, columns, source, headingLineHeight, false);
        }
        drawRow(surface, metrics, columns, source, fonts, i);
        ++metrics.line;
        SurfaceRoutines::DrawGrid(surface,
                                  {columns.gridTop,
                                   columns.gridLeft,
                                   columns.rowHeight,
                                   metrics.line - kFirstRowLine,
                                   {columns.nameRule, columns.c[0], columns.c[1], columns.c[2],
                                    columns.c[3], columns.c[4], columns.c[5]}});
    }
    surface.selectFont(previous);
    surface.endPage();
}

} // namespace fyn
