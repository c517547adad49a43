#include "fixed_rate_schedule.h"

#include <algorithm>

#include "timer.h"

namespace korvane {

std::int64_t FixedRateSchedule::periodFor(int intervalMs) {
    return std::max<std::int64_t>(intervalMs, kFloorMs);
}

void FixedRateSchedule::start(Timer& timer, std::int64_t nowMs) {
    if (contains(timer)) return;
    entries_.push_back({&timer, nowMs, periodFor(timer.interval()), 0, nextOrder_++});
}

void FixedRateSchedule::stop(Timer& timer) {
    std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

bool FixedRateSchedule::contains(const Timer& timer) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const Entry& e) { return e.timer == &timer; });
}

const FixedRateSchedule::Entry* FixedRateSchedule::earliest() const {
    const Entry* best = nullptr;
    for (const Entry& e : entries_) {
        if (!best || e.due() < best->due() || (e.due() == best->due() && e.order < best->order)) {
            best = &e;
        }
    }
    return best;
}

std::optional<std::int64_t> FixedRateSchedule::nextDue() const {
    const Entry* e = earliest();
    if (!e) return std::nullopt;
    return e->due();
}

Timer* FixedRateSchedule::takeDue(std::int64_t nowMs) {
    const Entry* e = earliest();
    if (!e || e->due() > nowMs) return nullptr;
    Entry& entry = const_cast<Entry&>(*e);
    ++entry.delivered;
    return entry.timer;
}

}  // namespace korvane
