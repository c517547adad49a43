#pragma once

#include <string_view>

namespace korvane {

// Reads the decimal number a text starts with, as a person typed it into a text box:
// blanks, tabs and line feeds are passed over, then an optional sign, digits with an optional
// point, and an optional exponent (E or D). Text that does not start with a number reads as 0.
// Never throws; a value too large for a double reads as the largest double of its sign.
double readNumber(std::string_view text);

}  // namespace korvane
