#pragma once

#include <optional>

#include "common/moment.h"
#include "common/timer.h"

namespace korvane {

// The car's own time between the racer letting go and the car leaving, as a delay box holds a
// transbrake: a release waits this long, counted from the release's own stamp on the monotonic
// clock, and then launches. Nothing the racer does in between cuts it short. Off (0) by default.
class CarDelay {
  public:
    void setMs(int ms) { ms_ = ms; }
    int ms() const { return ms_; }
    // A release at `at`: true when its launch waits, and the timer then ticks once, at the end.
    // Call only while not holding.
    bool hold(Moment at);
    bool holding() const { return timer_.enabled(); }
    // The timer's tick: the held release as it was let go.
    Moment letGo();
    // The delay the last launch waited; 0 when it did not.
    int lastMs() const { return lastMs_; }
    Timer& timer() { return timer_; }

  private:
    int ms_ = 0;
    int lastMs_ = 0;
    Moment release_;
    Timer timer_{"CarDelay", 0};
};

}  // namespace korvane
