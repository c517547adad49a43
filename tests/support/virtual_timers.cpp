#include "tests/support/virtual_timers.h"

#include <algorithm>

namespace korvane {

// Periods are whole milliseconds and so are enable times here, so every deadline is too.
void VirtualTimers::advanceTo(std::int64_t targetMs) {
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;
    while (true) {
        const auto due = schedule_.nextDue();
        if (!due || *due > at(targetMs)) break;
        nowMs_ = std::max(nowMs_, duration_cast<milliseconds>(*due).count());
        if (Timer* timer = schedule_.takeDue(at(nowMs_))) timer->tick();
    }
    nowMs_ = std::max(nowMs_, targetMs);
}

}  // namespace korvane
