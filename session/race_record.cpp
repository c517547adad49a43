#include "session/race_record.h"

#include "race/main.h"

namespace korvane {

namespace {

std::string chosenLevel(const Main& main) {
    for (int i = 1; i <= 5; ++i) {
        if (main.levelOptions[i].value != 0) return main.levelOptions[i].caption;
    }
    return {};
}

}  // namespace

RaceRecord raceRecord(const Main& main, const ReleaseOutcome& outcome) {
    RaceRecord record;
    record.tree = main.proTreeOption.value != 0 ? Tree::Pro : Tree::Standard;
    record.level = chosenLevel(main);
    record.rollOutMs = main.rollOut.value;
    record.playerTime = outcome.playerTime;
    record.computerTime = outcome.computerTime;
    record.playerRed = outcome.playerRed;
    record.computerRed = outcome.computerRed;
    record.winner = outcome.winner;
    record.startDelayMs = main.startDelayMs();
    if (const CarDelay* car = main.carDelay()) record.carDelayMs = car->lastMs();
    return record;
}

Moment carLeft(const RaceRecord& run) {
    return run.release + std::chrono::milliseconds(run.carDelayMs);
}

}  // namespace korvane
