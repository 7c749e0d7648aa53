#pragma once

#include <optional>
#include <string_view>

#include "core/GameState.h"

namespace velmora {

// Reads a number from the start of the text the forgiving way the settings file has always
// been read: blanks, tabs, CR and LF are ignored wherever they stand ("1 2" is 12); then an
// optional sign, digits with at most one decimal point and an optional exponent (E or D, any
// case, optional sign, digits). "&H" and "&O" (any case, no sign before them) start a
// hexadecimal or octal 16-bit integer: &HFFFF is -1. Such a value needing more than 16 bits
// reads as its plain magnitude (&H10000 is 65536), so no 16-bit integer can hold it. Reading
// stops at the first character that cannot continue the number; no number at all reads 0.
double ParseLenientNumber(std::string_view text);

// Rounds half to even (7.5 -> 8, 6.5 -> 6, -0.5 -> 0). Nothing when the result is outside
// -32768..32767 or the number is not finite.
std::optional<Int16> RoundToInt16(double value);

}  // namespace velmora
