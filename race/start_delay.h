#pragma once

#include <cstdint>
#include <optional>
#include <random>

#include "common/timer.h"

namespace korvane {

// The racer's range of extra waits after "Staged", in milliseconds.
struct DelayRange {
    int lowMs = 500;
    int highMs = 2000;
};

// A random wait between the staging walk and the tree, so the start cannot be counted. It draws
// from a generator of its own, leaving the race's random source and its computer times as they
// were, in 10 ms steps from at least 0.1 s (no timer ticks sooner than 55 ms); its timer ticks
// once, at the end of the wait, and hands over. Off by default.
class StartDelay {
  public:
    static constexpr int kStepMs = 10;
    static constexpr int kShortestMs = 100;

    explicit StartDelay(std::uint32_t seed) : engine_(seed) {}

    void setRange(std::optional<DelayRange> range) { range_ = range; }
    // A stage press: forget the last race's wait unless one is still running. FULL_WALK: the
    // walk starts from rest; after a tap it may still be going on, or skip to Staged.
    void raceStaged(bool fullWalk);
    // The walk has reached the hand-over: true when a wait has begun, which hands over itself.
    bool holdHandOver();
    // The wait's one tick: the hand-over is due.
    void waitEnded() { timer_.setEnabled(false); }
    // The wait the race staged last had on top of its whole walk; none when off, not yet
    // reached, or when its press did not start a whole walk of its own.
    std::optional<int> drawnMs() const { return fromPress_ ? drawnMs_ : std::nullopt; }
    Timer& timer() { return timer_; }

  private:
    std::optional<DelayRange> range_;
    std::mt19937 engine_;
    std::optional<int> drawnMs_;
    bool fromPress_ = true;
    Timer timer_{"StartDelay", kShortestMs};
};

}  // namespace korvane
