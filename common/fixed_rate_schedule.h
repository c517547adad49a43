#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace korvane {

class Timer;

// When each enabled timer is due. Tick k of a timer is due at its enable time + k x period,
// so a late tick never pushes the later ones back. No timer ticks more often than every 55 ms:
// the reaction clock asks for 2 ms, and at 55 ms its red-light boundary falls near the green.
class FixedRateSchedule {
  public:
    static constexpr std::int64_t kFloorMs = 55;
    static std::int64_t periodFor(int intervalMs);

    // Starting a timer that is already scheduled leaves its schedule alone.
    void start(Timer& timer, std::int64_t nowMs);
    // Drops every tick of the timer not yet delivered.
    void stop(Timer& timer);
    bool contains(const Timer& timer) const;

    std::optional<std::int64_t> nextDue() const;
    // The timer whose tick is due earliest, if due by nowMs; that tick counts as delivered.
    // Ties go to the timer enabled first.
    Timer* takeDue(std::int64_t nowMs);

  private:
    struct Entry {
        Timer* timer;
        std::int64_t startMs;
        std::int64_t periodMs;
        std::int64_t delivered;
        std::uint64_t order;
        std::int64_t due() const { return startMs + (delivered + 1) * periodMs; }
    };
    const Entry* earliest() const;

    std::vector<Entry> entries_;
    std::uint64_t nextOrder_ = 0;
};

}  // namespace korvane
