#include "session/run_codes.h"

#include <array>
#include <cmath>

#include "common/number_reading.h"
#include "race/skill_levels.h"
#include "session/reaction_time.h"

namespace korvane {

namespace {

const std::array<const char*, 3> kOnsetWords{"", "sent to screen", "shown"};
const std::array<const char*, 3> kResultWords{"win", "loss", "red light"};

template <std::size_t N>
std::string wordOf(const std::array<const char*, N>& words, long long code) {
    return code >= 0 && code < static_cast<long long>(N) ? words[static_cast<std::size_t>(code)]
                                                         : "";
}

}  // namespace

int levelCode(const std::string& caption) {
    for (int level = 1; level < static_cast<int>(kLevelCaptions.size()); ++level) {
        if (caption == kLevelCaptions[static_cast<std::size_t>(level)]) return level;
    }
    return 0;
}

OnsetCode onsetCode(const RaceRecord& run) {
    if (!countsFromOnset(carLeft(run), run.green)) return OnsetCode::None;
    return run.onsetSource == "presented" ? OnsetCode::Shown : OnsetCode::SentToScreen;
}

ResultCode resultCode(const RaceRecord& run) {
    if (run.playerRed) return ResultCode::RedLight;
    return run.winner == Winner::Player ? ResultCode::Win : ResultCode::Loss;
}

std::optional<long long> boardTimeMillis(const std::string& shown) {
    if (shown.find_first_not_of(' ') == std::string::npos) return std::nullopt;
    return std::llround(readNumber(shown) * 1000);
}

std::string levelCaption(long long code) {
    return code >= 1 ? wordOf(kLevelCaptions, code) : "";
}

std::string onsetWord(long long code) {
    return wordOf(kOnsetWords, code);
}

std::string resultWord(long long code) {
    return wordOf(kResultWords, code);
}

}  // namespace korvane
