#include "qt_timer_service.h"

#include <chrono>

namespace korvane::ui {

namespace {

FixedRateSchedule::Time monotonicNow() {
    return std::chrono::steady_clock::now().time_since_epoch();
}

}  // namespace

int wakeUpDelayMs(FixedRateSchedule::Time untilDue) {
    if (untilDue <= FixedRateSchedule::Time::zero()) return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(untilDue).count());
}

QtTimerService::QtTimerService(ErrorReport report, QObject* parent)
    : QtTimerService(monotonicNow, std::move(report), parent) {}

QtTimerService::QtTimerService(Clock clock, ErrorReport report, QObject* parent)
    : QObject(parent), clock_(std::move(clock)), started_(clock_()), report_(std::move(report)) {
    wakeUp_.setSingleShot(true);
    wakeUp_.setTimerType(Qt::PreciseTimer);
    connect(&wakeUp_, &QTimer::timeout, this, &QtTimerService::wakeUp);
}

std::int64_t QtTimerService::now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(clock_() - started_).count();
}

void QtTimerService::timerEnabled(Timer& timer) {
    const bool stopped = !schedule_.contains(timer);
    const Time start = tickDue_.value_or(clock_());
    schedule_.start(timer, start);
    if (stopped) emit timerStarted(timer, start);
    arm();
}

void QtTimerService::timerDisabled(Timer& timer) {
    schedule_.stop(timer);
    arm();
}

void QtTimerService::deliverDue() {
    if (!held_) deliverDueBy(clock_());
    arm();
}

// Every tick due at the wake-up goes out before the one repaint that shows them all.
void QtTimerService::wakeUp() {
    if (!held_ && deliverDueBy(clock_())) emit ticksDelivered();
    arm();
}

// The clock is read once, so ticks that fall due while these run wait for the next pass.
bool QtTimerService::deliverDueBy(Time now) {
    bool delivered = false;
    Time due{};
    while (Timer* timer = schedule_.takeDue(now, &due)) {
        tickDue_ = due;
        runGuarded([timer] { timer->tick(); }, report_);
        tickDue_.reset();
        delivered = true;
    }
    return delivered;
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
    wakeUp_.start(wakeUpDelayMs(*due - clock_()));
}

}  // namespace korvane::ui
