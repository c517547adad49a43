#include "decimal_seconds.h"

#include <limits>

#include "overflow_error.h"

namespace korvane {

namespace {

using Limits = std::numeric_limits<std::int64_t>;

// Checked before the sum is taken: a signed overflow is undefined, and not every compiler has
// GCC's overflow builtins.
std::int64_t checkedSum(std::int64_t a, std::int64_t b) {
    if ((b > 0 && a > Limits::max() - b) || (b < 0 && a < Limits::min() - b)) {
        throw OverflowError("decimal seconds overflow");
    }
    return a + b;
}

}  // namespace

DecimalSeconds DecimalSeconds::fromMillis(std::int64_t millis) {
    if (millis > Limits::max() / 10 || millis < Limits::min() / 10) {
        throw OverflowError("decimal seconds overflow");
    }
    return DecimalSeconds(millis * 10);
}

DecimalSeconds& DecimalSeconds::operator+=(DecimalSeconds other) {
    units_ = checkedSum(units_, other.units_);
    return *this;
}

DecimalSeconds& DecimalSeconds::operator-=(DecimalSeconds other) {
    if (other.units_ == Limits::min()) {  // its negation does not exist
        if (units_ >= 0) throw OverflowError("decimal seconds overflow");
        units_ -= other.units_;
        return *this;
    }
    units_ = checkedSum(units_, -other.units_);
    return *this;
}

}  // namespace korvane
