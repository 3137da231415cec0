#include "ValueParsing.h"

#include <limits>

namespace fyn {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

std::optional<std::uint32_t> ValueParsing::parseUnsigned(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    const qsizetype firstDigit = i;
    std::uint64_t value = 0;
    while (i < text.size() && isDigit(text[i])) {
        value =
            std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(text[i].digitValue()),
                                    std::numeric_limits<std::uint32_t>::max());
        ++i;
    }
    if (i == firstDigit) {
        return std::nullopt;
    }
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

int ValueParsing::leadingValue(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    std::int64_t value = 0;
    while (i < text.size() && isDigit(text[i])) {
        value = std::min<std::int64_t>(value * 10 + text[i].digitValue(),
                                       std::numeric_limits<int>::max());
        ++i;
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace fyn
