#include "sound/wave_name.h"

namespace korvane {

namespace {

// ASCII only: bytes of multi-byte UTF-8 characters are never letters, and no other character
// upper-cases to W, A or V, so comparing bytes gives the same answer as comparing characters.
char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool endsInWav(std::string_view path) {
    const std::string_view tail = path.size() > 3 ? path.substr(path.size() - 3) : path;
    if (tail.size() != 3) return false;
    return upperAscii(tail[0]) == 'W' && upperAscii(tail[1]) == 'A' && upperAscii(tail[2]) == 'V';
}

}  // namespace korvane
