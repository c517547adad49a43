#pragma once

#include <functional>
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
    void setHost(TimerHost* host);
    void onTick(std::function<void()> handler) { handler_ = std::move(handler); }
    void tick();

  private:
    std::string name_;
    int interval_;
    bool enabled_ = false;
    TimerHost* host_ = nullptr;
    std::function<void()> handler_;
};

}  // namespace korvane
