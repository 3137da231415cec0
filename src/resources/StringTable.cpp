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

QString StringTable::text(int id, const QStringList& arguments) const {
    return format(text(id), arguments);
}

QString StringTable::format(const QString& pattern, const QStringList& arguments) {
    QString result;
    result.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('%') && i + 1 < pattern.size()) {
            const int number = pattern[i + 1].digitValue();
            if (number >= 1 && number <= arguments.size()) {
                result += arguments[number - 1];
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

} // namespace fyn
