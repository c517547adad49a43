#pragma once

#include <cstdint>

#include "common/fixed_rate_schedule.h"
#include "common/timer.h"

namespace korvane {

// A timer host on a virtual clock: ticks are delivered only when the test moves time on,
// so whole races run fast and the same way every time.
class VirtualTimers : public TimerHost {
  public:
    std::int64_t now() const { return nowMs_; }

    // Delivers every tick due up to the target, in due order, with the clock at each due time.
    void advanceTo(std::int64_t targetMs);
    void advanceBy(std::int64_t ms) { advanceTo(nowMs_ + ms); }
    // Time passes with the event loop blocked (a sound playing): nothing is delivered now, and
    // the missed ticks come one after another at the next advance.
    void block(std::int64_t ms) { nowMs_ += ms; }

    void timerEnabled(Timer& timer) override { schedule_.start(timer, at(nowMs_)); }
    void timerDisabled(Timer& timer) override { schedule_.stop(timer); }

  private:
    static FixedRateSchedule::Time at(std::int64_t ms) { return std::chrono::milliseconds(ms); }

    FixedRateSchedule schedule_;
    std::int64_t nowMs_ = 0;
};

}  // namespace korvane
