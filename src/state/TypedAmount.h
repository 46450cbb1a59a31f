#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vex {

// Reads an amount the player typed, the way a cheque clerk would: blanks and tabs anywhere are
// ignored; the longest leading part that forms a number is taken (an optional sign, digits with
// at most one decimal point, an optional exponent E with optional sign and digits; or &H / &O
// followed by hexadecimal / octal digits); a text with no number in front reads as 0. The value
// is rounded to the nearest whole number, an exact half to the even neighbour.
//
// Returns nothing when the rounded amount does not fit in -32768..32767: each caller decides
// what to tell the player then.
std::optional<std::int16_t> ReadTypedAmount(std::string_view text);

}  // namespace vex
