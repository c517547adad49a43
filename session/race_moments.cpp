#include "session/race_moments.h"

namespace korvane {

void RaceMoments::timerStarted(const Timer& timer, Moment at) {
    if (&timer == &main_.stagingWalk) {
        ++race_;
        green_ = {};
        source_.clear();
        walkStarted_ = at;
        handedOver_.reset();
    } else if (const auto delay = main_.greenDueAfterStart(timer)) {
        green_.due = at + *delay;
        handedOver_ = at;
    }
}

std::optional<std::chrono::nanoseconds> RaceMoments::walkToHandOver() const {
    if (!handedOver_) return std::nullopt;
    return *handedOver_ - walkStarted_;
}

void RaceMoments::greenShown(std::uint64_t race, Moment handedOver, Moment at, std::string source) {
    if (race != race_ || green_.onset) return;
    green_.onset = at;
    green_.handedOver = handedOver;
    source_ = std::move(source);
}

}  // namespace korvane
