#pragma once

#include <string_view>

namespace korvane {

// True when the last three characters of the path, upper-cased, are "WAV" (no dot needed).
bool endsInWav(std::string_view path);

}  // namespace korvane
