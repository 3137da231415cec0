#pragma once

#include <functional>

namespace fyn {

class GroupSheet;
class MessageBoxes;
class SheetPrinting;
class StringTable;
class Wording;

// What the year window is given by the main window, across the module's entry.
struct YearContext {
    const GroupSheet& sheet;
    const Wording& wording;
    const StringTable& strings;
    MessageBoxes& messages;
    SheetPrinting& printer;
    // Opens the report dialog for a publisher (1 ..) on a month (0 = January) of the report
    // month's year slot, and returns when it has closed.
    std::function<void(int index, int month)> openReport;
};

} // namespace fyn
