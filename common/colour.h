#pragma once

#include <cstdint>

namespace korvane {

// A 24-bit colour as 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;

namespace colour {
inline constexpr Colour kDimAmber = 0x00C0FFFF;
inline constexpr Colour kLitAmber = 0x0000FFFF;
inline constexpr Colour kDimGreen = 0x00C0FFC0;
inline constexpr Colour kLitGreen = 0x0000FF00;
inline constexpr Colour kDimRed = 0x00C0C0FF;
inline constexpr Colour kLitRed = 0x000000FF;
inline constexpr Colour kPaleYellow = 0x0080FFFF;
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kDarkGreen = 0x0000C000;
inline constexpr Colour kBlue = 0x00FF0000;
// The race button while staged and the setup button while open share the lit-amber value.
inline constexpr Colour kYellow = kLitAmber;
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kGrey = 0x00808080;
inline constexpr Colour kCyan = 0x00FFFF00;

constexpr int red(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int green(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blue(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
}  // namespace colour

}  // namespace korvane
