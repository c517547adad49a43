#include "app/slip_log.h"

namespace korvane {

bool SlipLog::released(Moment at, const RaceMoments& moments) {
    std::optional<RaceRecord> record = readRaceRecord(main_, seen_);
    seen_ = winCounts(main_);
    if (!record) return false;
    record->run = static_cast<int>(runs_.size()) + 1;
    record->release = at;
    record->green = moments.green();
    record->onsetSource = moments.onsetSource();
    runs_.push_back(std::move(*record));
    newestRace_ = moments.race();
    return true;
}

bool SlipLog::greenShownLate(std::uint64_t race, const RaceMoments& moments) {
    if (runs_.empty() || race != newestRace_) return false;
    const GreenMoments& green = runs_.back().green;
    if (!green.due || green.onset) return false;
    runs_.back().green = moments.green();
    runs_.back().onsetSource = moments.onsetSource();
    return true;
}

}  // namespace korvane
