#include "input/seen_presses.h"

namespace korvane::input {

bool SeenPresses::down(const HeldInputs::Input& input, Moment at, std::optional<Moment> shown) {
    if (!shown || at < *shown) return false;
    seen_.insert(input);
    return true;
}

}  // namespace korvane::input
