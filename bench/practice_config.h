#pragma once

#include <string>

namespace korvane::bench {

class XProbe;

// Points the game about to start at practice settings of its own: a fresh folder whose
// practice.conf holds these lines, or no file when they are empty (every practice aid off).
void practiceSettingsForBench(const std::string& lines);

// The car delay asked for with KORVANE_BENCH_CAR_DELAY_MS, in milliseconds; 0 when none.
int carDelayForBench();

// Practice settings all off, so the racer's own never skew a figure; with
// KORVANE_BENCH_RACE_KEY=1 in the environment, F is the race key and the probe races on it
// instead of the mouse; with KORVANE_BENCH_CAR_DELAY_MS, the car delay is set. Returns "key"
// or "mouse".
std::string practiceForBench(XProbe& probe);

}  // namespace korvane::bench
