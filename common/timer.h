#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace korvane {

class Timer;

// Whatever delivers ticks: the Qt timer service in the game, a virtual clock in tests.
class TimerHost {
  public:
    virtual ~TimerHost() = default;
    virtual void timerEnabled(Timer& timer) = 0;
    virtual void timerDisabled(Timer& timer) = 0;
};

// A window's timer control: an interval and an enabled flag. While enabled
// and attached to a host, the host calls tick(), which runs the window's handler.
class Timer {
  public:
    Timer(std::string name, int intervalMs) : name_(std::move(name)), interval_(intervalMs) {}
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }

    // A new interval for the next start; the window's own timers keep theirs.
    void setInterval(int intervalMs) { interval_ = intervalMs; }
    // Enabling an enabled timer, or disabling a disabled one, changes nothing.
    void setEnabled(bool on);
    // A deadline of the game's own rather than a window's timer: ticks count from `origin` (on
    // the monotonic clock, since its epoch) instead of from the enabling, at the exact interval.
    void countFrom(std::optional<std::chrono::nanoseconds> origin) { origin_ = origin; }
    const std::optional<std::chrono::nanoseconds>& origin() const { return origin_; }
    void setHost(TimerHost* host);
    void onTick(std::function<void()> handler) { handler_ = std::move(handler); }
    void tick();

  private:
    std::string name_;
    int interval_;
    bool enabled_ = false;
    std::optional<std::chrono::nanoseconds> origin_;
    TimerHost* host_ = nullptr;
    std::function<void()> handler_;
};

}  // namespace korvane
