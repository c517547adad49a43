#include "session/slip_log.h"

#include "common/utc_offset.h"

namespace korvane {

namespace {

// The steady moment of a release on the wall clock: the handler ran between it and now.
std::chrono::system_clock::time_point wallClockAt(Moment at) {
    const auto since = std::chrono::steady_clock::now() - at;
    return std::chrono::system_clock::now() -
           std::chrono::duration_cast<std::chrono::system_clock::duration>(since);
}

// The wait the racer had from the press to the hand-over, in whole ms, where a start delay was
// drawn for a press that began the walk; none where the walk was already running or is off.
std::optional<int> pressToHandOverMs(const RaceRecord& run, const RaceMoments& moments) {
    const auto waited = moments.walkToHandOver();
    if (!run.startDelayMs || !waited) return std::nullopt;
    return static_cast<int>(std::chrono::round<std::chrono::milliseconds>(*waited).count());
}

}  // namespace

bool SlipLog::released(const ReleaseOutcome& outcome, Moment at, const RaceMoments& moments) {
    if (!outcome.counted) return false;
    RaceRecord record = raceRecord(main_, outcome);
    record.run = static_cast<int>(runs_.size()) + 1;
    record.release = at;
    record.at = wallClockAt(at);
    record.utcOffsetMinutes = utcOffsetMinutes(record.at);
    record.green = moments.green();
    record.onsetSource = moments.onsetSource();
    record.rt = trueReactionTime(carLeft(record), record.green);
    record.pressToHandOverMs = pressToHandOverMs(record, moments);
    runs_.push_back(std::move(record));
    newestRace_ = moments.race();
    return true;
}

bool SlipLog::greenShownLate(std::uint64_t race, const RaceMoments& moments) {
    if (runs_.empty() || race != newestRace_) return false;
    const GreenMoments& green = runs_.back().green;
    if (!green.due || green.onset) return false;
    RaceRecord& run = runs_.back();
    run.green = moments.green();
    run.onsetSource = moments.onsetSource();
    run.rt = trueReactionTime(carLeft(run), run.green);
    return true;
}

}  // namespace korvane
