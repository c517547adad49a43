#pragma once

#include <optional>
#include <string>
#include <vector>

#include "session/race_record.h"

namespace korvane {

// Thousandths as a plain decimal with a leading zero: 213 -> "0.213", -41 -> "-0.041".
std::string plainDecimal(long long millis);
// Seconds as the board writes them, with no zero before the point: "0.213" -> ".213",
// "-0.041" -> "-.041", "10.500" stays.
std::string boardStyle(std::string plain);
// Milliseconds to the nearest thousandth of a second in the board's style: 212.6 -> ".213".
std::string boardMillis(double millis);
// A run's R/T to the nearest thousandth as a plain decimal; empty without one.
std::string reactionText(const RaceRecord& run);
// A board time as a plain decimal (" .5" -> "0.500"); empty when the board shows nothing.
std::string boardTimeText(const std::string& shown);
std::string treeName(Tree tree);
// "red light" for the player's red light, else "win" or "loss".
std::string resultName(const RaceRecord& run);

// What told the green's onset: "shown" when the compositor said the frame reached the screen,
// else "sent to screen"; empty where the R/T does not count from it.
std::string onsetText(const RaceRecord& run);

// With the practice start delay on, the wait from the press to the hand-over as a plain decimal;
// empty when the delay was off or the press came while a tap's walk was running.
std::string startDelayText(const RaceRecord& run);
// With a car delay: when the racer let go, from the green as the R/T counts (R/T less the delay),
// and the delay; both empty without one.
std::string releaseText(const RaceRecord& run);
std::string carDelayText(const RaceRecord& run);
// A field of comma-separated values, quoted where it holds a comma, quote or line end.
std::string csvField(const std::string& field);

// Every run with a header row, tab-separated, one line each.
std::string slipTsv(const std::vector<RaceRecord>& runs);
// The same as comma-separated values with CRLF line ends, quoted where a field needs it.
std::string slipCsv(const std::vector<RaceRecord>& runs);

}  // namespace korvane
