#pragma once

#include <QList>
#include <QStringList>

namespace fyn {
class GroupSheet;
}

namespace fyn::test {

// One month entry of one publisher that the user entered a report for.
struct EditedEntry {
    int index = 0;
    int month = 0;
    int yearSlot = 0;
    bool markedLate = false;
};

// Every byte in which `after` differs from `before` outside what entering the given reports
// may change: the entry's element of each month array, the late mark of a month marked late,
// the remark count and entries appended to the remark table. One line per difference.
QStringList unexpectedDifferences(GroupSheet& before, GroupSheet& after,
                                  const QList<EditedEntry>& edits);

} // namespace fyn::test
