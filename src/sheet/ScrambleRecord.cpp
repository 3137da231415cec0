#include "ScrambleRecord.h"

#include "SheetLayout.h"

#include <cstring>

namespace fyn {

namespace {

bool isSkipped(layout::ScrambledField::Skip skip, std::size_t position, std::uint8_t byte) {
    if (byte != layout::kSkipByte) {
        return false;
    }
    switch (skip) {
    case layout::ScrambledField::Skip::Always:
        return true;
    case layout::ScrambledField::Skip::UpToPosition29:
        return position <= layout::kLastSkippedEmailPosition;
    case layout::ScrambledField::Skip::Never:
        break;
    }
    return false;
}

// An address is ASCII, yet the skip rule stores the letter whose shifted value is the skip
// byte as that byte, and reading leaves it. Only that letter can have stood there, and writing
// it shifts it back to the same byte, so the file round-trips unchanged.
std::uint8_t unskippedEmailByte(std::size_t position) {
    return static_cast<std::uint8_t>(layout::kSkipByte - layout::kShiftBase - position);
}

} // namespace

void ScrambleRecord(std::uint8_t* record, ScrambleDirection direction) {
    for (std::size_t nul : layout::kForcedNuls) {
        record[nul] = 0;
    }
    const int sign = static_cast<int>(direction);
    for (const auto& field : layout::kScrambledFields) {
        std::uint8_t* text = record + field.offset;
        // The forced NULs bound every field, so the length stays inside the record.
        const std::size_t length = std::strlen(reinterpret_cast<const char*>(text));
        for (std::size_t i = 0; i < length; ++i) {
            if (isSkipped(field.skip, i, text[i])) {
                if (direction == ScrambleDirection::Unscramble &&
                    field.skip == layout::ScrambledField::Skip::UpToPosition29) {
                    text[i] = unskippedEmailByte(i);
                }
                continue;
            }
            const int shift = sign * static_cast<int>(i + layout::kShiftBase);
            text[i] = static_cast<std::uint8_t>((text[i] + shift) & 0xFF);
        }
    }
}

} // namespace fyn
