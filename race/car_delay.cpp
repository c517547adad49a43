#include "race/car_delay.h"

namespace korvane {

bool CarDelay::hold(Moment at) {
    if (ms_ <= 0) {
        lastMs_ = 0;
        return false;
    }
    release_ = at;
    timer_.setInterval(ms_);
    timer_.countFrom(at.time_since_epoch());
    timer_.setEnabled(true);
    return true;
}

Moment CarDelay::letGo() {
    timer_.setEnabled(false);
    lastMs_ = timer_.interval();
    return release_;
}

}  // namespace korvane
