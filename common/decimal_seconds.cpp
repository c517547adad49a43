#include "decimal_seconds.h"

#include "overflow_error.h"

namespace korvane {

DecimalSeconds DecimalSeconds::fromMillis(std::int64_t millis) {
    std::int64_t units = 0;
    if (__builtin_mul_overflow(millis, std::int64_t{10}, &units)) {
        throw OverflowError("decimal seconds overflow");
    }
    return DecimalSeconds(units);
}

DecimalSeconds& DecimalSeconds::operator+=(DecimalSeconds other) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(units_, other.units_, &sum)) {
        throw OverflowError("decimal seconds overflow");
    }
    units_ = sum;
    return *this;
}

DecimalSeconds& DecimalSeconds::operator-=(DecimalSeconds other) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(units_, other.units_, &difference)) {
        throw OverflowError("decimal seconds overflow");
    }
    units_ = difference;
    return *this;
}

}  // namespace korvane
