#pragma once

#include <chrono>

#include "session/race_record.h"

namespace korvane::bench {

// Run NUMBER of a made-up session, released RT after its green showed (before it when
// negative, a red light then); the green is due NUMBER * 10 s in and shows 8 ms after.
RaceRecord sampleRun(int number, std::chrono::microseconds rt);

}  // namespace korvane::bench
