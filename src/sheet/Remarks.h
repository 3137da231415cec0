#pragma once

#include <QByteArray>
#include <cstdint>

namespace fyn {

class GroupSheet;

// The month's remark text of record i. In the reserving form a month without a remark gets a
// fresh blank entry, whose number is answered; the record itself is not changed. When the
// table has no room left, tableFull (if given) is set and the month's own number answered.
std::uint16_t ReadRemark(GroupSheet& sheet, int index, int month, int yearSlot, QByteArray& text,
                         bool lookupOnly, bool* tableFull = nullptr);

// The lookup-only form for readers that change nothing: empty without a remark.
QByteArray LookUpRemark(const GroupSheet& sheet, int index, int month, int yearSlot);

// The text of entry number (1-based), up to its NUL and never beyond its 48 bytes.
QByteArray RemarkText(const GroupSheet& sheet, int number);

// Stores text in entry number; false for an empty or blank-led text and when no entry can be
// written.
bool StoreRemark(GroupSheet& sheet, int number, const QByteArray& text);

// Stores text as a month's remark: in entry number while that names one, else in a fresh entry
// at the end of the table, taken only now, so that looking at a month takes nothing. Answers
// the entry written, 0 when nothing was stored: for an empty or blank-led text, and when the
// table has no room left (tableFull, if given, is then set).
std::uint16_t StoreMonthRemark(GroupSheet& sheet, int number, const QByteArray& text,
                               bool* tableFull = nullptr);

} // namespace fyn
