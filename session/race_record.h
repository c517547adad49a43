#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "common/moment.h"
#include "race/judging.h"
#include "race/release_outcome.h"
#include "session/reaction_time.h"

namespace korvane {

class Main;

enum class Tree { Standard, Pro };

// One judged release as the race window shows it once the release is done.
struct RaceRecord {
    int run = 0;  // counted from 1 in the session
    Tree tree = Tree::Standard;
    std::string level;  // its caption as the setup panel shows it
    int rollOutMs = 0;  // the roll-out scroll bar's position
    std::string playerTime;
    std::string computerTime;
    bool playerRed = false;
    bool computerRed = false;
    Winner winner = Winner::Player;
    Moment release;                            // the racer let go; the car left carDelayMs later
    std::chrono::system_clock::time_point at;  // the release on the wall clock
    int utcOffsetMinutes = 0;                  // the local clock's offset from UTC then
    GreenMoments green;
    std::string onsetSource;  // what told the green's onset: "flushed" or "presented"
    std::optional<std::chrono::nanoseconds> rt;  // the true R/T; none before the hand-over
    std::optional<int> startDelayMs;             // the practice wait after "Staged", if on
    // With that wait: the time from the press to the hand-over, where the press began the walk.
    std::optional<int> pressToHandOverMs;
    int carDelayMs = 0;  // the car's wait after the release, as set then
};

// When the car left: the release plus the car delay. R/T counts from here.
Moment carLeft(const RaceRecord& run);

// The race just released, from its outcome and the setup it ran with. Run, moments and R/T are
// left for the caller.
RaceRecord raceRecord(const Main& main, const ReleaseOutcome& outcome);

}  // namespace korvane
