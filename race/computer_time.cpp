#include "race/computer_time.h"

#include <cmath>
#include <cstdlib>

namespace korvane {

int drawComputerTime(ShortInt fastest, ShortInt slowest, float r) {
    const ShortInt k = fastest - slowest + ShortInt::from(1);
    // Each factor is a single first; product and sum in double are exact for 16-bit bounds.
    const double x = static_cast<double>(static_cast<float>(k.value())) * static_cast<double>(r) +
                     static_cast<double>(static_cast<float>(slowest.value()));
    return static_cast<int>(std::floor(x));
}

std::string computerTimeText(int millis) {
    // Appending rather than prefixing: g++ 12 at -O3 warns falsely (-Wrestrict) about the
    // insert that `"." + string` becomes.
    std::string text = ".";
    text += std::to_string(std::abs(millis));
    return text;
}

}  // namespace korvane
