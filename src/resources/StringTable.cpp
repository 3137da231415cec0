#include "StringTable.h"

#include "SlovakTexts.h"

namespace fyn {

const StringTable& StringTable::slovak() {
    static const StringTable table(slovakTexts());
    return table;
}

QString StringTable::text(int id) const {
    const auto found = texts_.find(id);
    return found == texts_.end() ? QString() : found->second;
}

} // namespace fyn
