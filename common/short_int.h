#pragma once

#include <compare>
#include <cstdint>

namespace korvane {

// A signed 16-bit integer whose arithmetic raises OverflowError instead of wrapping.
class ShortInt {
  public:
    constexpr ShortInt() = default;
    // Throws OverflowError when value lies outside -32768..32767.
    static ShortInt from(long long value);

    constexpr std::int16_t value() const { return value_; }

    friend ShortInt operator+(ShortInt a, ShortInt b);
    friend ShortInt operator-(ShortInt a, ShortInt b);
    friend constexpr bool operator==(ShortInt a, ShortInt b) = default;
    friend constexpr auto operator<=>(ShortInt a, ShortInt b) = default;

  private:
    constexpr explicit ShortInt(std::int16_t v) : value_(v) {}
    std::int16_t value_ = 0;
};

}  // namespace korvane
