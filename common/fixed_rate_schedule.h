#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvane {

class Timer;

// When each enabled timer is due, on a monotonic clock counted in nanoseconds. Tick k of a
// timer is due at its enable time + k x period, so a late tick never pushes the later ones
// back. A timer counted from an origin of its own starts there, at its exact interval. No window's
// timer ticks more often than every 55 ms: the reaction clock asks for 2 ms, and at
// 55 ms its red-light boundary falls near the green.
class FixedRateSchedule {
  public:
    using Time = std::chrono::nanoseconds;
    static constexpr std::int64_t kFloorMs = 55;
    static std::int64_t periodFor(int intervalMs);

    // Starting a timer that is already scheduled leaves its schedule alone.
    void start(Timer& timer, Time now);
    // Drops every tick of the timer not yet delivered.
    void stop(Timer& timer);
    bool contains(const Timer& timer) const;

    std::optional<Time> nextDue() const;
    // The timer whose tick is due earliest, if due by now; that tick counts as delivered.
    // Ties go to the timer enabled first. The tick's deadline is written to dueAt if given.
    Timer* takeDue(Time now, Time* dueAt = nullptr);

  private:
    struct Entry {
        Timer* timer;
        Time start;
        Time period;
        std::int64_t delivered;
        std::uint64_t order;
        Time due() const { return start + (delivered + 1) * period; }
    };
    const Entry* earliest() const;

    std::vector<Entry> entries_;
    std::uint64_t nextOrder_ = 0;
};

}  // namespace korvane
