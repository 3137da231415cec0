#include "TypeAheadList.h"

namespace fyn {

void TypeAheadList::keyboardSearch(const QString& search) {
    QStringList entries;
    for (int row = 0; row < count(); ++row) {
        entries << item(row)->text();
    }
    const int row = typeAhead_.Next(entries, search, currentRow());
    if (row >= 0) {
        setCurrentRow(row);
    }
}

} // namespace fyn
