#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace korvane::testing {

// A 440 Hz tone at about half of full scale.
std::vector<std::int16_t> toneSamples(int ms, int rate);

// Writes a mono 16-bit wave of that tone lasting ms milliseconds into FOLDER; returns its path.
std::string writeTone(const TempFolder& folder, const std::string& name, int ms, int rate = 22050);

}  // namespace korvane::testing
