#pragma once

#include <optional>
#include <string>

#include "common/moment.h"
#include "race/judging.h"
#include "race/reaction_time.h"

namespace korvane {

class Main;

enum class Tree { Standard, Pro };

// One judged release as the race window shows it once the release is done.
struct RaceRecord {
    int run = 0;  // counted from 1 in the session
    Tree tree = Tree::Standard;
    int level = 0;      // 1 to 5
    int rollOutMs = 0;  // the roll-out scroll bar's position
    std::string playerTime;
    std::string computerTime;
    bool playerRed = false;
    bool computerRed = false;
    Winner winner = Winner::Player;
    Moment release;
    GreenMoments green;
    std::string onsetSource;  // what told the green's onset: "flushed" or "presented"
};

// The two win counts, read before a release and after it.
struct WinCounts {
    int player = 0;
    int computer = 0;
};
WinCounts winCounts(const Main& main);

// The race just released as the board, the lamps and the counts show it; none when the release
// counted no win (a full counter). Run and moments are left for the caller.
std::optional<RaceRecord> readRaceRecord(const Main& main, WinCounts before);

}  // namespace korvane
