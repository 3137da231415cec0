#include "MonthTotals.h"

#include "GroupSheet.h"
#include "MonthEntry.h"

namespace fyn {

MonthTotals MonthTotals::Compute(const GroupSheet& sheet, int month, int yearSlot) {
    MonthTotals totals;
    for (int index = 1; index <= sheet.publisherCount(); ++index) {
        totals.Add(sheet.publisher(index).month(month, yearSlot));
    }
    return totals;
}

void MonthTotals::Add(const MonthEntryView& entry) {
    ++publishers;
    reported += entry.isReported() ? 1 : 0;
    inService += entry.inService() ? 1 : 0;
    hours += entry.hours();
    studies += entry.studies();
    auxiliaryPioneers += entry.pioneerStatus() == layout::AuxiliaryPioneer ? 1 : 0;
}

} // namespace fyn
