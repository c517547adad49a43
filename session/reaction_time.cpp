#include "session/reaction_time.h"

namespace korvane {

bool countsFromOnset(Moment release, const GreenMoments& green) {
    return green.due && green.onset && green.handedOver && *green.handedOver <= release;
}

std::optional<std::chrono::nanoseconds> trueReactionTime(Moment release,
                                                         const GreenMoments& green) {
    if (!green.due) return std::nullopt;
    return release - (countsFromOnset(release, green) ? *green.onset : *green.due);
}

}  // namespace korvane
