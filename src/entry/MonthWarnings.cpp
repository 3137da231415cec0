#include "MonthWarnings.h"

#include "SheetLayout.h"
#include "StringTable.h"
#include "TextIds.h"

namespace fyn {

MonthWarnings MonthWarnings::ShowWarnings(const Situation& s, const StringTable& strings) {
    MonthWarnings result;
    result.otherMonth = s.month != s.reportMonth;
    const bool hasHours = s.hours != 0;
    // Every line but the first starts with a break, also when nothing stands before it.
    const auto addLine = [&result](const QString& line) {
        result.text += QLatin1Char('\n') + line;
    };

    if (hasHours) {
        result.text = strings.text(text::kAlreadySent, {s.shownMonthName, s.publisherName});
    }
    if (s.statusInReportMonth == layout::SpecialPioneer ||
        s.statusInShownMonth == layout::SpecialPioneer) {
        addLine(strings.text(text::kSpecialPioneersExcluded));
        result.notIncluded = true;
        return result;
    }
    if (!s.monthListOpen && result.otherMonth) {
        if (hasHours && !s.markedLate) {
            addLine(strings.text(text::kNotIncluded, {s.reportMonthName}));
            result.notIncluded = true;
        } else {
            addLine(strings.text(text::kIncluded, {s.reportMonthName}));
        }
    }
    if (hasHours && !result.otherMonth) {
        addLine(strings.text(text::kIncluded, {s.reportMonthName}));
    }
    return result;
}

} // namespace fyn
