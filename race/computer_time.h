#pragma once

#include <string>

#include "common/short_int.h"

namespace korvane {

// The computer's reaction time in whole milliseconds for the random number r in [0, 1):
// floor(k * r + slowest) with k = fastest - slowest + 1, so it runs from fastest + 1 up to
// slowest, and slowest itself comes only from r = 0.
// Throws OverflowError if k does not fit in 16 bits.
int drawComputerTime(ShortInt fastest, ShortInt slowest, float r);

// The time as the computer's display shows it: 505 ms reads ".505".
std::string computerTimeText(int millis);

}  // namespace korvane
