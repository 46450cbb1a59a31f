#pragma once
// A second reading of typed amounts, written from the table's rules alone and kept apart from the
// game's reader so that each checks the other.

#include <optional>
#include <string_view>

namespace vex::fuzz {

// Blanks and tabs anywhere are skipped. A leading &H or &O reads the hexadecimal or octal digits
// that follow. Otherwise an optional sign, digits with at most one decimal point, and an exponent
// (E or e, optional sign, digits; ignored unless a digit follows). No number in front reads as 0.
// The exact decimal value is rounded to the nearest whole number, a half to the even neighbour;
// nothing is returned when the result lies outside -32768..32767.
std::optional<int> ReferenceAmount(std::string_view text);

}  // namespace vex::fuzz
