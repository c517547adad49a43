#pragma once

#include <cstdint>

#include "common/moment.h"

namespace korvane::ui {

// When an input event happened, on the monotonic clock. X servers stamp their events with the
// monotonic clock in milliseconds, cut to 32 bits; a stamp that reads as at most a second
// before `now` is taken (the middle of its millisecond), anything else leaves `now`.
Moment inputMoment(std::uint64_t stampMs, Moment now);

}  // namespace korvane::ui
