#pragma once

#include "MonthTotals.h"

#include <array>
#include <cstdint>

namespace fyn {

class GroupSheet;

// The twelve months that end with the sheet's report month, as the sheet holds them, and what
// each publisher's cell and status read from them. A month is read through the year slot of
// its own calendar year: the months after the report month's belong to the year before, whose
// parity is the other slot. Whether a month is reported is the sheet's one test.
class GroupYear {
public:
    static constexpr int kMonths = 12;
    // The status looks at the last six months, the report month included.
    static constexpr int kStatusMonths = 6;

    struct Month {
        int month = 0; // 0 = January
        int yearSlot = 0;
        int year = 0;
    };

    enum class Kind { Reported, ZeroReport, Missing };

    struct Cell {
        Kind kind = Kind::Missing;
        std::uint16_t hours = 0;
        bool late = false;
        // Bits 0 .. 1 of the month's status byte: publisher, auxiliary, regular, special.
        int pioneer = 0;
    };

    enum class Status { Regular, Irregular, Inactive };

    explicit GroupYear(const GroupSheet& sheet);

    // Oldest first; the last is the report month.
    const std::array<Month, kMonths>& months() const { return months_; }
    // The publisher (1 .. publisherCount) in month column 0 .. 11.
    Cell cell(int index, int column) const;
    Status status(int index) const;
    MonthTotals totals(int column) const;
    // The report dialog edits the months of the report month's year slot only.
    bool reachable(int column) const;
    const GroupSheet& sheet() const { return sheet_; }

private:
    const GroupSheet& sheet_;
    std::array<Month, kMonths> months_{};
};

} // namespace fyn
