#pragma once

#include <QByteArray>

namespace fyn {

class GroupSheet;
class Wording;

// One month of a group as a table for spreadsheet programs: UTF-8 with a byte-order mark (so
// that they read the diacritics right), fields quoted as RFC 4180 asks, commas between them and
// CRLF after each row, and no text that a spreadsheet would run as a formula. A heading row, one
// row per publisher in record order, and a totals row.
class MonthCsv {
public:
    // Remarks are only looked up: the sheet is not changed, not even by a reserved entry.
    static QByteArray Compose(const GroupSheet& sheet, const Wording& wording, int month,
                              int yearSlot);
    // A text cell as it stands in a row: after an apostrophe when it begins with =, +, -, @, a
    // tab or a CR, and then quoted when it holds a comma, a quote or a line break. The numbers
    // Fyn writes (never negative) are not text cells and go into the row as they are.
    static QString Field(const QString& text);
};

} // namespace fyn
