#pragma once

#include <optional>
#include <string>

#include "session/race_record.h"

namespace korvane {

// The codes the logbook keeps in place of the slip's words, so that rewording the slip never
// changes what a kept run means. Their numbers are fixed for good (docs/design.md lists them).
enum class OnsetCode { None = 0, SentToScreen = 1, Shown = 2 };
enum class ResultCode { Win = 0, Loss = 1, RedLight = 2 };

// The level as the setup panel numbers it, 1 to 5, from its caption; 0 for none.
int levelCode(const std::string& caption);
// What told the green's onset; None where the R/T does not count from it.
OnsetCode onsetCode(const RaceRecord& run);
ResultCode resultCode(const RaceRecord& run);
// A board time in whole thousandths (" .5" -> 500); none when the board shows nothing.
std::optional<long long> boardTimeMillis(const std::string& shown);

// The slip's words for the codes; empty for a code it does not know.
std::string levelCaption(long long code);
std::string onsetWord(long long code);
std::string resultWord(long long code);

}  // namespace korvane
