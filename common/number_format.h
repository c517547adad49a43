#pragma once

#include <string>

#include "decimal_seconds.h"
#include "short_int.h"

namespace korvane {

// Display text of a number: a leading space when zero or positive, "-" when negative; no "0"
// before the point, no trailing zeros, no separators and no locale. 0.465 -> " .465".
std::string formatNumber(DecimalSeconds value);
std::string formatNumber(ShortInt value);

}  // namespace korvane
