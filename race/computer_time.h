#pragma once

#include <string>

#include "common/short_int.h"

namespace korvane {

// The computer's reaction time in whole milliseconds for the random number r in [0, 1):
// floor(k * r + mlreact) with k = mhreact - mlreact + 1, so with mhreact the smaller bound
// it runs from mhreact + 1 up to mlreact, and mlreact itself comes only from r = 0.
// Throws OverflowError if k does not fit in 16 bits.
int drawComputerTime(ShortInt mhreact, ShortInt mlreact, float r);

// The time as the computer's display shows it: 505 ms reads ".505".
std::string computerTimeText(int millis);

}  // namespace korvane
