#pragma once

namespace fyn {

class GroupSheet;
class MonthEntryView;

// The group's figures for one month and year slot over all publishers, as the month's closing
// shows them: "9 of 14 reported" and the sums the secretary asks for.
struct MonthTotals {
    int publishers = 0;
    int reported = 0;
    int inService = 0;
    // At most 127 x 65535, well inside an int.
    int hours = 0;
    int studies = 0;
    int auxiliaryPioneers = 0;

    static MonthTotals Compute(const GroupSheet& sheet, int month, int yearSlot);
    // Counts one publisher's entry.
    void Add(const MonthEntryView& entry);
};

} // namespace fyn
