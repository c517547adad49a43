#pragma once

#include <vector>

namespace korvane {

// Shrinks the length of the RIFF container and of every chunk in it that claims more bytes than
// the file holds, so a decoder that trusts the header never sizes a buffer by a forged length.
void clampRiffLengths(std::vector<unsigned char>& file);

}  // namespace korvane
