#include "timer.h"

namespace korvane {

Timer::~Timer() {
    if (enabled_ && host_) host_->timerDisabled(*this);
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (!host_) return;
    if (on) {
        host_->timerEnabled(*this);
    } else {
        host_->timerDisabled(*this);
    }
}

void Timer::setHost(TimerHost* host) {
    if (enabled_ && host_) host_->timerDisabled(*this);
    host_ = host;
    if (enabled_ && host_) host_->timerEnabled(*this);
}

void Timer::tick() {
    if (enabled_ && handler_) handler_();
}

}  // namespace korvane
