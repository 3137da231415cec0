#pragma once

#include "SheetResult.h"

#include <QString>

namespace fyn {

class MessageBoxes;
class StringTable;

// What the user is told when loading or writing a sheet did not succeed: the same texts
// wherever a sheet is loaded or written.
class SheetMessages {
public:
    // Empty for a result that needs no word.
    static QString text(const SheetResult& result, const StringTable& strings);
    // Shows the text, if any, in an OK box; answers whether the result was a success.
    static bool show(const SheetResult& result, MessageBoxes& messages, const StringTable& strings);
};

} // namespace fyn
