#pragma once

#include <cstdint>

namespace fyn {

enum class ScrambleDirection : int { Scramble = 1, Unscramble = -1 };

// Shifts the text fields of one 816-byte publisher record in place, as Korbo stores them.
void ScrambleRecord(std::uint8_t* record, ScrambleDirection direction);

} // namespace fyn
