#pragma once

#include <QString>

namespace fyn {

class StringTable;

// The warning panel of the report dialog: whether the month shown was already reported, and
// whether changes to it still reach the report for the branch office.
class MonthWarnings {
public:
    struct Situation {
        int month = 0;
        int reportMonth = 0;
        int hours = 0;
        int statusInReportMonth = 0;
        int statusInShownMonth = 0;
        bool monthListOpen = false;
        bool markedLate = false;
        QString shownMonthName;  // elided form
        QString reportMonthName; // elided form
        QString publisherName;   // plain form
    };

    QString text;
    bool otherMonth = false;
    bool notIncluded = false;

    static MonthWarnings ShowWarnings(const Situation& situation, const StringTable& strings);
};

} // namespace fyn
