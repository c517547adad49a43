#pragma once

#include <compare>

#include "common/decimal_seconds.h"

namespace korvane {

// What differs between the two light trees when a race is judged.
struct TreeRules {
    // Taken off the reaction clock at the release: the Pro Tree's shorter countdown.
    DecimalSeconds correction;
    // A time below this is a red light: lamps and the choice of sound.
    DecimalSeconds lampThreshold;
    // In the winner decision a time above this counts as a clean launch.
    DecimalSeconds judgingThreshold;
};

inline constexpr TreeRules kStandardTree{DecimalSeconds::fromTenThousandths(0),
                                         DecimalSeconds::fromTenThousandths(5000),
                                         DecimalSeconds::fromTenThousandths(4990)};
inline constexpr TreeRules kProTree{DecimalSeconds::fromTenThousandths(800),
                                    DecimalSeconds::fromTenThousandths(4000),
                                    DecimalSeconds::fromTenThousandths(3990)};

inline const TreeRules& rulesFor(bool proTree) {
    return proTree ? kProTree : kStandardTree;
}

// A time read from text meets a decimal time as the nearest doubles of both, so the same
// decimal value written either way (.497 and 0.4970) compares equal.
inline std::partial_ordering compareTimes(DecimalSeconds exact, double read) {
    return exact.toDouble() <=> read;
}

// A computer time read from its display is a red light below the tree's lamp threshold.
inline bool isRedLight(double time, const TreeRules& rules) {
    return compareTimes(rules.lampThreshold, time) > 0;
}

}  // namespace korvane
