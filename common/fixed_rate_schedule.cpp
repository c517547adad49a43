#include "fixed_rate_schedule.h"

#include <algorithm>

#include "timer.h"

namespace korvane {

std::int64_t FixedRateSchedule::periodFor(int intervalMs) {
    return std::max<std::int64_t>(intervalMs, kFloorMs);
}

void FixedRateSchedule::start(Timer& timer, Time now) {
    if (contains(timer)) return;
    const std::int64_t ms =
        timer.origin() ? std::max(timer.interval(), 1) : periodFor(timer.interval());
    entries_.push_back(
        {&timer, timer.origin().value_or(now), std::chrono::milliseconds(ms), 0, nextOrder_++});
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

std::optional<FixedRateSchedule::Time> FixedRateSchedule::nextDue() const {
    const Entry* e = earliest();
    if (!e) return std::nullopt;
    return e->due();
}

Timer* FixedRateSchedule::takeDue(Time now, Time* dueAt) {
    const Entry* e = earliest();
    if (!e || e->due() > now) return nullptr;
    if (dueAt) *dueAt = e->due();
    Entry& entry = const_cast<Entry&>(*e);
    ++entry.delivered;
    return entry.timer;
}

}  // namespace korvane
