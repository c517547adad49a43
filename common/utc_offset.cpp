#include "common/utc_offset.h"

namespace korvane {

namespace {

// The reentrant forms: the C++ library has only the ones sharing a static buffer.
bool brokenDown(std::time_t t, std::tm& utc, std::tm& local) {
#ifdef _WIN32
    return gmtime_s(&utc, &t) == 0 && localtime_s(&local, &t) == 0;
#else
    return gmtime_r(&t, &utc) != nullptr && localtime_r(&t, &local) != nullptr;
#endif
}

}  // namespace

int minutesBetween(const std::tm& utc, const std::tm& local) {
    // The two dates are a day apart at most: across a year's end the later one is day 0.
    int days = local.tm_yday - utc.tm_yday;
    if (local.tm_year != utc.tm_year) days = local.tm_year < utc.tm_year ? -1 : 1;
    return days * 24 * 60 + (local.tm_hour - utc.tm_hour) * 60 + (local.tm_min - utc.tm_min);
}

int utcOffsetMinutes(std::chrono::system_clock::time_point at) {
    std::tm utc{};
    std::tm local{};
    if (!brokenDown(std::chrono::system_clock::to_time_t(at), utc, local)) return 0;
    return minutesBetween(utc, local);
}

}  // namespace korvane
