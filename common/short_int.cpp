#include "short_int.h"

#include <string>
#include <utility>

#include "overflow_error.h"

namespace korvane {

ShortInt ShortInt::from(long long value) {
    if (!std::in_range<std::int16_t>(value)) {
        throw OverflowError("16-bit overflow: " + std::to_string(value));
    }
    return ShortInt(static_cast<std::int16_t>(value));
}

// Widened to long long first, so the 16-bit test sees the true result.
ShortInt operator+(ShortInt a, ShortInt b) {
    return ShortInt::from(static_cast<long long>(a.value_) + b.value_);
}

ShortInt operator-(ShortInt a, ShortInt b) {
    return ShortInt::from(static_cast<long long>(a.value_) - b.value_);
}

}  // namespace korvane
