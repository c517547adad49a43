#include "race/race_record.h"

#include "common/colour.h"
#include "race/main.h"

namespace korvane {

namespace {

bool redLit(const Lane& lane) {
    return lane.red.fillColor == colour::kLitRed;
}

int chosenLevel(const Main& main) {
    for (int i = 1; i <= 5; ++i) {
        if (main.levelOptions[i].value != 0) return i;
    }
    return 0;
}

}  // namespace

WinCounts winCounts(const Main& main) {
    return {main.playerWins.value(), main.computerWins.value()};
}

// A second release raises a second flag, so the winner is the side whose count grew.
std::optional<RaceRecord> readRaceRecord(const Main& main, WinCounts before) {
    const WinCounts after = winCounts(main);
    const bool playerWon = after.player != before.player;
    if (!playerWon && after.computer == before.computer) return std::nullopt;
    RaceRecord record;
    record.tree = main.proTreeOption.value != 0 ? Tree::Pro : Tree::Standard;
    record.level = chosenLevel(main);
    record.rollOutMs = main.rollOut.value;
    record.playerTime = main.player.timeDisplay.text;
    record.computerTime = main.computer.timeDisplay.text;
    record.playerRed = redLit(main.player);
    record.computerRed = redLit(main.computer);
    record.winner = playerWon ? Winner::Player : Winner::Computer;
    return record;
}

}  // namespace korvane
