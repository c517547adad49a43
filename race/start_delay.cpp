#include "race/start_delay.h"

#include <algorithm>

namespace korvane {

void StartDelay::raceStaged(bool fullWalk) {
    fromPress_ = fullWalk && !timer_.enabled();
    if (!timer_.enabled()) drawnMs_.reset();
}

bool StartDelay::holdHandOver() {
    if (!range_ || timer_.enabled()) return false;
    const int low = std::max(kShortestMs, range_->lowMs) / kStepMs;
    const int high = std::max(low, range_->highMs / kStepMs);
    drawnMs_ = std::uniform_int_distribution<int>(low, high)(engine_) * kStepMs;
    timer_.setInterval(*drawnMs_);
    timer_.setEnabled(true);
    return true;
}

}  // namespace korvane
