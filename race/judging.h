#pragma once

#include "common/decimal_seconds.h"
#include "common/random_source.h"

namespace korvane {

enum class Winner { Computer, Player };

// Who wins a race with the player's time p and the computer's time c. Two clean launches
// (both above the judging threshold) go to the lower time, otherwise the higher time wins, so a
// clean launch beats a red light. Equal times take exactly one number from random; no tie, none.
Winner decideWinner(DecimalSeconds p, double c, DecimalSeconds judgingThreshold,
                    RandomSource& random);

}  // namespace korvane
