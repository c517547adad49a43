#pragma once

#include <compare>
#include <cstdint>

namespace korvane {

// Seconds in fixed point with four decimal places, counted in ten-thousandths, so that
// adding a thousandth or storing a whole count of milliseconds is exact.
class DecimalSeconds {
  public:
    constexpr DecimalSeconds() = default;
    static constexpr DecimalSeconds fromTenThousandths(std::int64_t units) {
        return DecimalSeconds(units);
    }
    // Throws OverflowError if the result does not fit.
    static DecimalSeconds fromMillis(std::int64_t millis);

    constexpr std::int64_t tenThousandths() const { return units_; }
    // The nearest double; used only where a decimal time meets a value read from text.
    double toDouble() const { return static_cast<double>(units_) / 10000.0; }

    DecimalSeconds& operator+=(DecimalSeconds other);
    DecimalSeconds& operator-=(DecimalSeconds other);
    friend DecimalSeconds operator+(DecimalSeconds a, DecimalSeconds b) { return a += b; }
    friend DecimalSeconds operator-(DecimalSeconds a, DecimalSeconds b) { return a -= b; }
    friend constexpr bool operator==(DecimalSeconds a, DecimalSeconds b) = default;
    friend constexpr auto operator<=>(DecimalSeconds a, DecimalSeconds b) = default;

  private:
    constexpr explicit DecimalSeconds(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

}  // namespace korvane
