#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

#include "common/fixed_rate_schedule.h"
#include "common/handler_guard.h"
#include "common/timer.h"

namespace korvane::ui {

// Delivers the ticks of every window's timers on the Qt event loop. One single-shot precise
// QTimer is armed for the earliest deadline; the schedule keeps each timer at a fixed rate on
// the monotonic clock, to the nanosecond.
class QtTimerService : public QObject, public TimerHost {
    Q_OBJECT

  public:
    using Time = FixedRateSchedule::Time;
    using Clock = std::function<Time()>;

    // On the system's monotonic clock; an error a tick raises goes to the report.
    explicit QtTimerService(ErrorReport report = {}, QObject* parent = nullptr);
    // On a clock of the caller's, which tests move by hand.
    explicit QtTimerService(Clock clock, ErrorReport report = {}, QObject* parent = nullptr);

    void timerEnabled(Timer& timer) override;
    void timerDisabled(Timer& timer) override;

    // Milliseconds since the service started: the clock the deadlines are counted on.
    std::int64_t now() const;
    // Delivers, in deadline order, every tick due by the clock as it reads now. Input calls
    // this as its handler starts, so the handler sees every tick that fell due before it.
    void deliverDue();
    std::optional<Time> nextDue() const { return schedule_.nextDue(); }
    // While held, due ticks wait; they come once the hold ends. Qt runs the event loop inside
    // a few calls, and no handler may run in the middle of another step.
    void setHeld(bool held);

  signals:
    // Once after each batch of delivered ticks, so the windows can show what changed.
    void ticksDelivered();
    // A stopped timer starts, with the moment its ticks are counted from.
    void timerStarted(const korvane::Timer& timer, korvane::FixedRateSchedule::Time start);

  private:
    bool deliverDueBy(Time now);
    void wakeUp();
    void arm();

    Clock clock_;
    Time started_;
    QTimer wakeUp_;
    FixedRateSchedule schedule_;
    // The deadline of the tick being delivered: timers it enables count from there.
    std::optional<Time> tickDue_;
    ErrorReport report_;
    bool held_ = false;
};

// Whole milliseconds to wait for a deadline this far off: rounded up, so the wake-up is never
// early and at most a millisecond late.
int wakeUpDelayMs(FixedRateSchedule::Time untilDue);

}  // namespace korvane::ui
