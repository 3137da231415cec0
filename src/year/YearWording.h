#pragma once

#include "GroupYear.h"

#include <QString>

namespace fyn {

class StringTable;
class Wording;

// What the year's cells, headings and totals say, on screen and on paper alike. Every mark is a
// letter or sign from the string table, so that a cell reads without its colour.
class YearWording {
public:
    YearWording(const GroupYear& year, const Wording& wording, const StringTable& strings);

    // "12", "+", "0" or "-", followed by the late and pioneer marks.
    QString cellText(const GroupYear::Cell& cell) const;
    // The same in words, for a screen reader: "March 2026: 12 h, late, auxiliary pioneer".
    QString cellDescription(int column, const GroupYear::Cell& cell) const;
    QString statusText(GroupYear::Status status) const;
    // The month's short name in the interface language.
    QString shortMonth(int column) const;
    // The year above a month's heading where it changes: at the first column and at January.
    QString yearHeading(int column) const;
    // "Skupina 3 - last twelve months (December 2025 - November 2026)".
    QString title() const;
    QString legend() const;
    // The month's figures in the order of the totals rows; the first is "reported/publishers".
    QStringList totalsColumn(int column) const;
    QStringList totalsHeadings() const;

    // "March 2026", or as a sentence takes it.
    QString monthAndYear(int column, bool inSentence = false) const;

    const GroupYear& year() const { return year_; }
    const StringTable& strings() const { return strings_; }
    const Wording& wording() const { return wording_; }

private:
    const GroupYear& year_;
    const Wording& wording_;
    const StringTable& strings_;
};

} // namespace fyn
