#include "PreviewPage.h"

#include "DrawingSurface.h"
#include "GroupSheet.h"
#include "PreviewPaging.h"
#include "Remarks.h"
#include "SurfaceRoutines.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "Wording.h"

#include <algorithm>

namespace fyn {

namespace {

constexpr int kValueHeadings[] = {text::kInServiceHeading, text::kStudiesHeading,
                                  text::kAuxiliaryHeading, text::kHoursHeading};
constexpr int kCheckBoxDivisor = 9;
constexpr int kAuxiliaryPioneer = 1;

// A heading wider than its column, as some languages' are, is drawn smaller rather than over
// the column's lines.
void drawHeadingWithin(DrawingSurface& surface, int right, int y, int room, const QString& text) {
    const int width = surface.textWidth(text);
    if (width <= room) {
        surface.drawText(right, y, text);
        return;
    }
    FontSpec smaller = FontSpec::stockFont(FontSpec::Stock::VariablePitch);
    smaller.height = -std::max(1, surface.textHeight() * room / width);
    const FontSpec previous = surface.selectFont(smaller);
    while (surface.textWidth(text) > room && smaller.height < -1) {
        ++smaller.height;
        surface.selectFont(smaller);
    }
    surface.drawText(right, y, text);
    surface.selectFont(previous);
}

} // namespace

void PreviewPage::DrawPreview(DrawingSurface& surface, int width, int height,
                              const PrintSource& source, int firstRow, int endRow) {
    const int bx = surface.borderWidth();
    const int by = surface.borderHeight();
    // The heading band and a page of rows, each shown whole.
    const int rh = height / (PreviewPaging::kRowsPerPage + 1);
    const int cw = width / 11;
    const int nw = width / 4;
    const Wording& wording = source.wording;
    const GroupSheet& sheet = source.sheet;

    surface.selectBrush(Brush::Null);
    surface.fillRect(QRect(QPoint(0, 0), QPoint(width, height + 5 * by - 1)),
                     surface.backgroundColor());
    surface.selectBrush(Brush::LightGrey);
    surface.selectPen(Pen::null());
    surface.rectangle(0, 0, width + 1, rh + 1);

    surface.setTransparentBackground();
    surface.selectPen(Pen::black());
    for (int j = 0; j <= 4; ++j) {
        surface.moveTo(nw + j * cw, 0);
        surface.lineTo(nw + j * cw, height + 3 * by);
    }
    for (int j = 1; j <= PreviewPaging::kRowsPerPage; ++j) {
        surface.moveTo(0, j * rh);
        surface.lineTo(width, j * rh);
    }

    surface.selectFont(FontSpec::stockFont(FontSpec::Stock::VariablePitch));
    surface.setTextAlign(TextAlign::LeftTop);
    surface.drawText(2 * bx, by, wording.LoadText(text::kNameHeading));
    surface.setTextAlign(TextAlign::RightTop);
    for (int j = 0; j < 4; ++j) {
        drawHeadingWithin(surface, nw + (j + 1) * cw - 8 * bx, by, cw - 11 * bx,
                          wording.LoadText(kValueHeadings[j]));
    }
    const bool greek = wording.languageCode() == QStringLiteral("greek");
    surface.drawText(greek ? width - width / 20 : width - width / 6, by,
                     wording.LoadText(text::kRemarksHeading));

    const int rows = std::min(endRow - firstRow, PreviewPaging::kRowsPerPage);
    for (int r = 0; r < rows; ++r) {
        const int index = firstRow + r + 1;
        const int y = (r + 1) * rh + by;
        const int yb = (r + 1) * rh + 13 * by - by / 3;
        const MonthEntryView entry = sheet.publisher(index).month(source.month, sheet.yearSlot);

        surface.setTextAlign(TextAlign::LeftTop);
        surface.drawText(2 * bx, y, wording.PublisherName(index, false));
        surface.setTextAlign(TextAlign::RightTop);
        SurfaceRoutines::DrawCheckBox(surface, nw + cw - 20 * bx, yb, entry.inService(),
                                      kCheckBoxDivisor);
        if (entry.studies() != 0) {
            surface.drawText(nw + 2 * cw - 10 * bx, y, QString::number(entry.studies()));
        }
        SurfaceRoutines::DrawCheckBox(surface, nw + 3 * cw - 20 * bx, yb,
                                      entry.pioneerStatus() == kAuxiliaryPioneer, kCheckBoxDivisor);
        if (entry.hours() != 0) {
            surface.drawText(nw + 4 * cw - 10 * bx, y, QString::number(entry.hours()));
        }
        const QByteArray remark = LookUpRemark(sheet, index, source.month, sheet.yearSlot);
        if (!remark.isEmpty()) {
            surface.setTextAlign(TextAlign::LeftTop);
            const QRect clip(QPoint(6 * (width / 10) + 2 * bx, y),
                             QPoint(width - 1, (r + 2) * rh + by - 1));
            surface.drawClippedText(nw + 5 * (width / 13) - 5 * bx, y, clip,
                                    TextCodec::toUnicode(remark));
            surface.setTextAlign(TextAlign::RightTop);
        }
    }
}

QString PreviewPage::RowInWords(const PrintSource& source, int row) {
    const Wording& wording = source.wording;
    const int index = row + 1;
    const MonthEntryView entry =
        source.sheet.publisher(index).month(source.month, source.sheet.yearSlot);
    const auto word = [&](int id) { return wording.LoadText(id).remove(QLatin1Char('&')); };
    const auto column = [&](int heading, const QString& value) {
        return QStringLiteral("; %1: %2").arg(wording.LoadText(heading), value);
    };
    QString words = wording.PublisherName(index, false);
    words += column(text::kInServiceHeading,
                    word(entry.inService() ? text::kYesButton : text::kNoButton));
    if (entry.studies() != 0) {
        words += column(text::kStudiesHeading, QString::number(entry.studies()));
    }
    if (entry.pioneerStatus() == kAuxiliaryPioneer) {
        words += column(text::kAuxiliaryHeading, word(text::kYesButton));
    }
    if (entry.hours() != 0) {
        words += column(text::kHoursHeading, QString::number(entry.hours()));
    }
    const QByteArray remark =
        LookUpRemark(source.sheet, index, source.month, source.sheet.yearSlot);
    if (!remark.isEmpty()) {
        words += column(text::kRemarksHeading, TextCodec::toUnicode(remark));
    }
    return words;
}

} // namespace fyn
