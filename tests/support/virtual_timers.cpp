#include "tests/support/virtual_timers.h"

#include <algorithm>

namespace korvane {

void VirtualTimers::advanceTo(std::int64_t targetMs) {
    while (true) {
        const auto due = schedule_.nextDue();
        if (!due || *due > targetMs) break;
        nowMs_ = std::max(nowMs_, *due);
        if (Timer* timer = schedule_.takeDue(nowMs_)) timer->tick();
    }
    nowMs_ = std::max(nowMs_, targetMs);
}

}  // namespace korvane
