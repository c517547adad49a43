#pragma once

#include <string>
#include <vector>

namespace korvane::art {

// Resource paths of the game's pictures.
inline constexpr const char* kBackground = ":/art/background.svg";
inline constexpr const char* kSkull = ":/art/skull.svg";
inline constexpr const char* kSplash = ":/art/splash.svg";
inline constexpr const char* kTitle = ":/art/title.svg";
inline constexpr const char* kTrafficLight = ":/art/traffic_light.svg";
inline constexpr const char* kTrafficLight16 = ":/art/traffic_light_16.svg";
// The splash rendered at the build at a device pixel ratio of 1: its premultiplied ARGB32
// pixels, row after row, stored uncompressed so that showing it decodes nothing.
inline constexpr const char* kSplashRendered = ":/rendered/splash.argb32";
inline constexpr int kSplashWidth = 455;
inline constexpr int kSplashHeight = 232;

// Every picture path, for checks that each one loads.
std::vector<const char*> allPictures();

// The path of the picture rendered at the build at its own size (those the windows draw; not
// the icon's), or empty: the splash's pixels, or a PNG.
std::string renderedPath(const char* picture);

// The icon's pixel sizes, each rendered from the SVG at build time, and the path of each.
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
std::string iconPath(int size);

}  // namespace korvane::art
