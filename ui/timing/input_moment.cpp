#include "ui/timing/input_moment.h"

#include <chrono>

namespace korvane::ui {

namespace {

constexpr std::int64_t kLatestMs = 1000;

}  // namespace

Moment inputMoment(std::uint64_t stampMs, Moment now) {
    using std::chrono::milliseconds;
    const auto nowMs = std::chrono::duration_cast<milliseconds>(now.time_since_epoch()).count();
    const auto age = static_cast<std::uint32_t>(static_cast<std::uint64_t>(nowMs) - stampMs);
    if (age > kLatestMs) return now;
    const Moment stamped{milliseconds(nowMs - age) + std::chrono::microseconds(500)};
    return stamped < now ? stamped : now;
}

}  // namespace korvane::ui
