#include "TypeAheadList.h"

#include <QApplication>
#include <algorithm>

namespace fyn {

namespace {

// Letters that Unicode does not decompose into a base letter and a mark.
QChar baseLetter(QChar letter) {
    switch (letter.unicode()) {
    case 0x0141: // Ł
        return QLatin1Char('L');
    case 0x0142: // ł
        return QLatin1Char('l');
    case 0x0110: // Đ
        return QLatin1Char('D');
    case 0x0111: // đ
        return QLatin1Char('d');
    case 0x0131: // dotless ı
        return QLatin1Char('i');
    case 0x00DF: // ß
        return QLatin1Char('s');
    default:
        return letter;
    }
}

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

QString TypeAheadList::Folded(const QString& text) {
    QString folded;
    for (const QChar character : text.normalized(QString::NormalizationForm_D)) {
        if (character.category() != QChar::Mark_NonSpacing) {
            folded += baseLetter(character);
        }
    }
    return folded.toCaseFolded();
}

int TypeAheadList::Find(const QStringList& entries, const QString& typed, int start) {
    if (entries.isEmpty() || typed.isEmpty()) {
        return -1;
    }
    start = std::clamp(start, 0, static_cast<int>(entries.size()) - 1);
    const int exact = findFrom(entries, start, [&typed](const QString& entry) {
        return entry.startsWith(typed, Qt::CaseInsensitive);
    });
    if (exact >= 0) {
        return exact;
    }
    const QString folded = Folded(typed);
    return findFrom(entries, start,
                    [&folded](const QString& entry) { return Folded(entry).startsWith(folded); });
}

void TypeAheadList::keyboardSearch(const QString& search) {
    if (search.isEmpty()) {
        return;
    }
    if (!sinceTyped_.isValid() || sinceTyped_.elapsed() > QApplication::keyboardInputInterval()) {
        typed_.clear();
    }
    sinceTyped_.restart();
    typed_ += search;
    QStringList entries;
    for (int row = 0; row < count(); ++row) {
        entries << item(row)->text();
    }
    // A first letter moves on from the current entry, so that pressing it again steps through
    // the entries that begin with it; more letters refine the current one.
    const int current = std::max(currentRow(), 0);
    const int row = Find(entries, typed_, typed_.size() == 1 ? current + 1 : current);
    if (row >= 0) {
        setCurrentRow(row);
    }
}

} // namespace fyn
