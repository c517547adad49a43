#pragma once

#include <cstdint>
#include <stdexcept>

#include "fuzz/race_events/race_rig.h"

namespace korvane::fuzz {

// A rule the race window broke; the message names the rule and the values that broke it.
class Broken : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class StepKind { Press, Release, Time, SetupClick, Setting, Typing, Wins };

// What a run went through, for the run's report.
struct Tally {
    std::uint64_t steps = 0;
    std::uint64_t presses = 0;
    std::uint64_t races = 0;  // first releases after a press
    std::uint64_t repeatReleases = 0;
    std::uint64_t ties = 0;
    std::uint64_t playerRedLights = 0;
    std::uint64_t playerWins = 0;
    std::uint64_t computerWins = 0;
    std::uint64_t fullCounters = 0;
    std::uint64_t muted = 0;
};

// Judges each step of one race window against the step before; throws Broken on the first
// rule broken. It remembers only whether a press came since the last release.
class RaceJudge {
  public:
    explicit RaceJudge(Tally& tally) : tally_(tally) {}
    void check(StepKind kind, const RaceView& before, const RaceView& after);

  private:
    void checkRelease(const RaceView& before, const RaceView& after);
    bool pressedSinceRelease_ = false;
    Tally& tally_;
};

}  // namespace korvane::fuzz
