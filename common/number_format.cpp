#include "number_format.h"

#include <cstdint>

namespace korvane {

namespace {

// Formats a fixed-point magnitude with the given number of decimals.
std::string formatFixed(std::int64_t units, int decimals) {
    const bool negative = units < 0;
    // Unsigned magnitude, so the most negative value does not overflow on negation.
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const std::uint64_t whole = magnitude / scale;
    std::string fraction = std::to_string(magnitude % scale + scale).substr(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

    std::string text = negative ? "-" : " ";
    if (whole != 0 || fraction.empty()) text += std::to_string(whole);
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

}  // namespace

std::string formatNumber(DecimalSeconds value) {
    return formatFixed(value.tenThousandths(), 4);
}

std::string formatNumber(ShortInt value) {
    return formatFixed(value.value(), 0);
}

}  // namespace korvane
