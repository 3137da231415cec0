#include "YearWording.h"

#include "GroupSheet.h"
#include "SheetLayout.h"
#include "StringTable.h"
#include "TextIds.h"
#include "Wording.h"

#include <QLocale>
#include <QStringList>

namespace fyn {

namespace {

// The texts a cell is told in: marks on the grid and on paper, or words read aloud.
struct CellWords {
    int inService;
    int hours; // 0: the figure alone
    int zeroReport;
    int missing;
    int late;
    int firstPioneerStatus;
};

constexpr CellWords kMarks{.inService = text::kYearMarkInService,
                           .hours = 0,
                           .zeroReport = text::kYearMarkZero,
                           .missing = text::kYearMarkMissing,
                           .late = text::kYearMarkLate,
                           .firstPioneerStatus = text::kYearMarkAuxiliary};
constexpr CellWords kNames{.inService = text::kInServiceHeading,
                           .hours = text::kYearHoursName,
                           .zeroReport = text::kYearZeroName,
                           .missing = text::kYearMissingName,
                           .late = text::kYearLateName,
                           .firstPioneerStatus = text::kStatusNames};

QStringList cellParts(const GroupYear::Cell& cell, const CellWords& words,
                      const StringTable& strings) {
    QStringList parts;
    switch (cell.kind) {
    case GroupYear::Kind::Reported:
        if (cell.hours == 0) {
            parts << strings.text(words.inService);
        } else {
            const QString hours = QString::number(cell.hours);
            parts << (words.hours == 0 ? hours : strings.text(words.hours, {hours}));
        }
        break;
    case GroupYear::Kind::ZeroReport:
        parts << strings.text(words.zeroReport);
        break;
    case GroupYear::Kind::Missing:
        parts << strings.text(words.missing);
        break;
    }
    if (cell.late) {
        parts << strings.text(words.late);
    }
    if (cell.pioneer != layout::Publisher) {
        parts << strings.text(words.firstPioneerStatus + cell.pioneer - layout::AuxiliaryPioneer);
    }
    return parts;
}

} // namespace

YearWording::YearWording(const GroupYear& year, const Wording& wording, const StringTable& strings)
    : year_(year), wording_(wording), strings_(strings) {}

QString YearWording::cellText(const GroupYear::Cell& cell) const {
    return cellParts(cell, kMarks, strings_).join(QLatin1Char(' '));
}

QString YearWording::cellDescription(int column, const GroupYear::Cell& cell) const {
    return monthAndYear(column) + QStringLiteral(": ") +
           cellParts(cell, kNames, strings_).join(QStringLiteral(", "));
}

QString YearWording::statusText(GroupYear::Status status) const {
    switch (status) {
    case GroupYear::Status::Irregular:
        return strings_.text(text::kYearIrregular);
    case GroupYear::Status::Inactive:
        return strings_.text(text::kYearInactive);
    case GroupYear::Status::Regular:
        break;
    }
    return {};
}

QString YearWording::shortMonth(int column) const {
    // The interface language's own names: its formats are the default locale.
    const QLocale locale;
    const int month = year_.months()[static_cast<std::size_t>(column)].month;
    return locale.standaloneMonthName(month + 1, QLocale::ShortFormat);
}

QString YearWording::yearHeading(int column) const {
    const GroupYear::Month& month = year_.months()[static_cast<std::size_t>(column)];
    return column == 0 || month.month == 0 ? QString::number(month.year) : QString();
}

QString YearWording::monthAndYear(int column, bool inSentence) const {
    const GroupYear::Month& month = year_.months()[static_cast<std::size_t>(column)];
    return wording_.MonthName(month.month, inSentence) + QLatin1Char(' ') +
           QString::number(month.year);
}

QString YearWording::title() const {
    return strings_.text(text::kYearTitle, {QString::number(year_.sheet().groupNumber()),
                                            monthAndYear(0), monthAndYear(GroupYear::kMonths - 1)});
}

QString YearWording::legend() const {
    return strings_.text(text::kYearLegend);
}

QStringList YearWording::totalsHeadings() const {
    QStringList headings;
    for (int id = text::kYearTotalsFirst; id <= text::kYearTotalsLast; ++id) {
        headings << strings_.text(id);
    }
    return headings;
}

QStringList YearWording::totalsColumn(int column) const {
    const MonthTotals totals = year_.totals(column);
    return {QStringLiteral("%1/%2").arg(totals.reported).arg(totals.publishers),
            QString::number(totals.inService), QString::number(totals.hours),
            QString::number(totals.studies), QString::number(totals.auxiliaryPioneers)};
}

} // namespace fyn
