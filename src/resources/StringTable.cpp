#include "StringTable.h"

#include "SlovakTexts.h"

#include <QCoreApplication>

namespace fyn {

const StringTable& StringTable::slovak() {
    static const StringTable table(slovakTexts());
    return table;
}

namespace {

QString translatedOr(int id, const QString& slovak) {
    const QByteArray key = StringTable::translationKey(id);
    const QString translation = QCoreApplication::translate(nullptr, key.constData());
    return translation == QLatin1String(key) ? slovak : translation;
}

} // namespace

StringTable StringTable::translated() {
    std::map<int, QString> texts = slovakTexts();
    for (auto& [id, text] : texts) {
        text = translatedOr(id, text);
    }
    return StringTable(std::move(texts));
}

QString StringTable::translatedText(int id) {
    return translatedOr(id, slovak().text(id));
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
