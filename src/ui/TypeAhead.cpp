#include "TypeAhead.h"

#include "TextFolding.h"

#include <QApplication>
#include <algorithm>

namespace fyn {

namespace {

int findFrom(const QStringList& entries, int start, const auto& matches) {
    const auto count = static_cast<int>(entries.size());
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if (matches(entries[row])) {
            return row;
        }
    }
    return -1;
}

} // namespace

int TypeAhead::Find(const QStringList& entries, const QString& typed, int start) {
    if (entries.isEmpty() || typed.isEmpty()) {
        return -1;
    }
    // Moving on from the last entry goes round to the first.
    start = std::max(start, 0) % static_cast<int>(entries.size());
    const int exact = findFrom(entries, start, [&typed](const QString& entry) {
        return entry.startsWith(typed, Qt::CaseInsensitive);
    });
    if (exact >= 0) {
        return exact;
    }
    const QString folded = TextFolding::Folded(typed);
    return findFrom(entries, start, [&folded](const QString& entry) {
        return TextFolding::Folded(entry).startsWith(folded);
    });
}

int TypeAhead::Next(const QStringList& entries, const QString& search, int current) {
    if (search.isEmpty()) {
        return -1;
    }
    if (!sinceTyped_.isValid() || sinceTyped_.elapsed() > QApplication::keyboardInputInterval()) {
        typed_.clear();
    }
    sinceTyped_.restart();
    typed_ += search;
    current = std::max(current, 0);
    return Find(entries, typed_, typed_.size() == 1 ? current + 1 : current);
}

} // namespace fyn
