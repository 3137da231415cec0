#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace fyn {

// How the report's number fields are read.
class ValueParsing {
public:
    // Blanks or tabs, decimal digits, blanks or tabs; nothing else. A number too large for 32
    // bits reads as the largest 32-bit value, so that it fails any bound.
    static std::optional<std::uint32_t> parseUnsigned(const QString& text);
    // The value of the leading number as a C program reads it: leading white space, an
    // optional sign, then digits up to the first other character ("12.5" gives 12, "" 0).
    static int leadingValue(const QString& text);
};

} // namespace fyn
