#include "qt_timer_service.h"

#include <algorithm>

namespace korvane::ui {

QtTimerService::QtTimerService(QObject* parent) : QObject(parent) {
    clock_.start();
    wakeUp_.setSingleShot(true);
    wakeUp_.setTimerType(Qt::PreciseTimer);
    connect(&wakeUp_, &QTimer::timeout, this, &QtTimerService::deliverOne);
}

void QtTimerService::timerEnabled(Timer& timer) {
    schedule_.start(timer, now());
    arm();
}

void QtTimerService::timerDisabled(Timer& timer) {
    schedule_.stop(timer);
    arm();
}

// One tick per wake-up: when several are overdue the next one waits for the following pass
// of the event loop, so input queued meanwhile is handled between them.
void QtTimerService::deliverOne() {
    if (held_) return;
    if (Timer* timer = schedule_.takeDue(now())) {
        runGuarded([timer] { timer->tick(); }, report_);
        if (afterTick_) afterTick_();
    }
    arm();
}

void QtTimerService::setHeld(bool held) {
    held_ = held;
    if (!held_) arm();
}

void QtTimerService::arm() {
    const auto due = schedule_.nextDue();
    if (!due) {
        wakeUp_.stop();
        return;
    }
    wakeUp_.start(static_cast<int>(std::max<std::int64_t>(0, *due - now())));
}

}  // namespace korvane::ui
