#include "race/judging.h"

#include <cmath>

#include "race/tree_rules.h"

namespace korvane {

namespace {

// A coin toss: the computer takes the race when floor(2r + 1) is 1, i.e. r below one half.
Winner tieBreak(RandomSource& random) {
    const double r = random.next();
    return std::floor(2.0 * r + 1.0) == 1.0 ? Winner::Computer : Winner::Player;
}

}  // namespace

Winner decideWinner(DecimalSeconds p, double c, DecimalSeconds judgingThreshold,
                    RandomSource& random) {
    const bool bothClean = p > judgingThreshold && compareTimes(judgingThreshold, c) < 0;
    const auto order = compareTimes(p, c);
    if (order == 0) return tieBreak(random);
    const bool playerLower = order < 0;
    return playerLower == bothClean ? Winner::Player : Winner::Computer;
}

}  // namespace korvane
