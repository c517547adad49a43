#pragma once

#include <stdexcept>

namespace korvane {

// Raised when arithmetic leaves the range of its type; the game never lets a value wrap.
class OverflowError : public std::overflow_error {
  public:
    using std::overflow_error::overflow_error;
};

}  // namespace korvane
