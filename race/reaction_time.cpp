#include "race/reaction_time.h"

namespace korvane {

std::optional<std::chrono::nanoseconds> trueReactionTime(Moment release,
                                                         const GreenMoments& green) {
    if (!green.due) return std::nullopt;
    return release - green.onset.value_or(*green.due);
}

}  // namespace korvane
