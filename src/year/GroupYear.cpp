#include "GroupYear.h"

#include "GroupSheet.h"
#include "SheetLayout.h"

namespace fyn {

GroupYear::GroupYear(const GroupSheet& sheet) : sheet_(sheet) {
    const int reportYear = sheet.reportYear();
    for (int column = 0; column < kMonths; ++column) {
        const int back = kMonths - 1 - column;
        const bool yearBefore = sheet.reportMonth - back < 0;
        months_[static_cast<std::size_t>(column)] = {(sheet.reportMonth - back + kMonths) % kMonths,
                                                     yearBefore ? 1 - sheet.yearSlot
                                                                : sheet.yearSlot,
                                                     yearBefore ? reportYear - 1 : reportYear};
    }
}

GroupYear::Cell GroupYear::cell(int index, int column) const {
    const Month& month = months_[static_cast<std::size_t>(column)];
    const MonthEntryView entry = sheet_.publisher(index).month(month.month, month.yearSlot);
    Cell cell;
    cell.pioneer = entry.pioneerStatus();
    if (sheet_.IsReportMissing(index, month.month, month.yearSlot)) {
        return cell;
    }
    // A remark and no service is how a zero report is entered.
    cell.kind = entry.inService() ? Kind::Reported : Kind::ZeroReport;
    cell.hours = entry.hours();
    cell.late = sheet_.IsMarkedLate(index, month.month);
    return cell;
}

GroupYear::Status GroupYear::status(int index) const {
    int missing = 0;
    for (int column = kMonths - kStatusMonths; column < kMonths; ++column) {
        missing += cell(index, column).kind == Kind::Missing ? 1 : 0;
    }
    return missing == kStatusMonths ? Status::Inactive
           : missing > 0            ? Status::Irregular
                                    : Status::Regular;
}

MonthTotals GroupYear::totals(int column) const {
    const Month& month = months_[static_cast<std::size_t>(column)];
    return MonthTotals::Compute(sheet_, month.month, month.yearSlot);
}

bool GroupYear::reachable(int column) const {
    return months_[static_cast<std::size_t>(column)].yearSlot == sheet_.yearSlot;
}

} // namespace fyn
