#pragma once

#include <QString>
#include <cstdint>

namespace fyn {

// A regular pioneer's credit hours: held beside the hours, written as a number at the start
// of the month's remark, and capped so that hours and credit make at most 75 unless the remark
// says otherwise ("*" at positions 1 to 4 lets up to 40 stand, "!" in the first six characters
// lifts every cap).
class CreditRule {
public:
    struct State {
        std::uint8_t credit = 0;
        QString remarkText;
        QString creditText;
    };

    // Runs the rule for hours h. Nothing changes but creditText (emptied) unless status is the
    // regular pioneer's; answers whether the rule applied.
    static bool UpdateCredit(State& state, int status, int hours, const QString& unit);
};

} // namespace fyn
