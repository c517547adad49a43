#pragma once

#include <chrono>
#include <ctime>

namespace korvane {

// The local clock's offset from UTC at a moment, in minutes east (+60 in Paris in winter).
int utcOffsetMinutes(std::chrono::system_clock::time_point at);

// The minutes from a moment's UTC broken-down time to its local one, from the fields alone.
int minutesBetween(const std::tm& utc, const std::tm& local);

}  // namespace korvane
