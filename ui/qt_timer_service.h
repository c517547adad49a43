#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "common/fixed_rate_schedule.h"
#include "common/timer.h"
#include "ui/handler_guard.h"

namespace korvane::ui {

// Delivers the ticks of every window's timers on the Qt event loop. One single-shot precise
// QTimer is armed for the earliest deadline; the schedule keeps each timer at a fixed rate.
class QtTimerService : public QObject, public TimerHost {
    Q_OBJECT

  public:
    explicit QtTimerService(QObject* parent = nullptr);

    void timerEnabled(Timer& timer) override;
    void timerDisabled(Timer& timer) override;

    // Runs after each delivered tick, so the windows can show what the handler changed.
    void setAfterTick(std::function<void()> hook) { afterTick_ = std::move(hook); }
    void setErrorReport(ErrorReport report) { report_ = std::move(report); }
    // Milliseconds since the service started: the clock the deadlines are counted on.
    std::int64_t now() const { return clock_.elapsed(); }
    // While held, due ticks wait; they come once the hold ends. Qt runs the event loop inside
    // a few calls, and no handler may run in the middle of another step.
    void setHeld(bool held);

  private:
    void deliverOne();
    void arm();

    QElapsedTimer clock_;
    QTimer wakeUp_;
    FixedRateSchedule schedule_;
    std::function<void()> afterTick_;
    ErrorReport report_;
    bool held_ = false;
};

}  // namespace korvane::ui
