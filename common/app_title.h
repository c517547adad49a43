#pragma once

namespace korvane {

// The title of every message box the game shows.
inline constexpr const char* kAppTitle = "Korvane";

}  // namespace korvane
