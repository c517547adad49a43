#include "common/utc_offset.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(UtcOffset, ComesFromTheFieldsAcrossDaysAndYears) {
    // UTC's and the local year, day of the year, hour and minute; the offset.
    const int rows[][9] = {
        {2026, 341, 6, 15, 2026, 341, 7, 15, 60},    // Paris in winter
        {2026, 341, 2, 0, 2026, 340, 21, 30, -270},  // the day before, half an hour off
        {2026, 364, 23, 0, 2027, 0, 12, 45, 825},    // across a year's end, eastward
        {2027, 0, 3, 0, 2026, 364, 17, 0, -600},     // and westward
    };
    for (const auto& r : rows) {
        std::tm utc{}, local{};
        utc.tm_year = r[0] - 1900, utc.tm_yday = r[1], utc.tm_hour = r[2], utc.tm_min = r[3];
        local.tm_year = r[4] - 1900, local.tm_yday = r[5], local.tm_hour = r[6],
        local.tm_min = r[7];
        EXPECT_EQ(minutesBetween(utc, local), r[8]);
    }
}

}  // namespace
}  // namespace korvane
