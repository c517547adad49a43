#include "session/slip_text.h"

#include <array>
#include <cmath>

#include "session/run_codes.h"
#include "session/session_figures.h"

namespace korvane {

namespace {

using Row = std::array<std::string, 12>;

const Row kHeader{"run",      "tree",   "level", "rollout",     "reaction", "player",
                  "computer", "result", "onset", "start delay", "release",  "car delay"};

Row rowOf(const RaceRecord& run) {
    return {std::to_string(run.run),
            treeName(run.tree),
            run.level,
            plainDecimal(run.rollOutMs),
            reactionText(run),
            boardTimeText(run.playerTime),
            boardTimeText(run.computerTime),
            resultName(run),
            onsetText(run),
            startDelayText(run),
            releaseText(run),
            carDelayText(run)};
}

template <typename Field>
std::string joined(const std::vector<RaceRecord>& runs, char separator, const char* lineEnd,
                   Field field) {
    std::string text;
    const auto add = [&](const Row& row) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += separator;
            text += field(row[i]);
        }
        text += lineEnd;
    };
    add(kHeader);
    for (const RaceRecord& run : runs) add(rowOf(run));
    return text;
}

}  // namespace

std::string csvField(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// Built by appending: GCC 12's -O2 sees a bogus overflow in a string inserted at its front.
std::string plainDecimal(long long millis) {
    const unsigned long long whole = millis < 0 ? 0ULL - static_cast<unsigned long long>(millis)
                                                : static_cast<unsigned long long>(millis);
    const std::string fraction = std::to_string(whole % 1000);
    std::string text = millis < 0 ? "-" : "";
    text += std::to_string(whole / 1000);
    text += '.';
    text.append(3 - fraction.size(), '0');
    return text + fraction;
}

std::string boardStyle(std::string plain) {
    const std::size_t zero = plain.starts_with('-') ? 1 : 0;
    if (plain.compare(zero, 2, "0.") == 0) plain.erase(zero, 1);
    return plain;
}

std::string boardMillis(double millis) {
    return boardStyle(plainDecimal(std::llround(millis)));
}

std::string reactionText(const RaceRecord& run) {
    const auto ms = reactionMillis(run);
    return ms ? plainDecimal(*ms) : std::string();
}

std::string boardTimeText(const std::string& shown) {
    const auto millis = boardTimeMillis(shown);
    return millis ? plainDecimal(*millis) : std::string();
}

std::string treeName(Tree tree) {
    return tree == Tree::Pro ? "Pro" : "Standard";
}

std::string onsetText(const RaceRecord& run) {
    return onsetWord(static_cast<long long>(onsetCode(run)));
}

std::string startDelayText(const RaceRecord& run) {
    return run.pressToHandOverMs ? plainDecimal(*run.pressToHandOverMs) : std::string();
}

std::string releaseText(const RaceRecord& run) {
    const auto ms = reactionMillis(run);
    return ms && run.carDelayMs > 0 ? plainDecimal(*ms - run.carDelayMs) : std::string();
}

std::string carDelayText(const RaceRecord& run) {
    return run.carDelayMs > 0 ? plainDecimal(run.carDelayMs) : std::string();
}

std::string resultName(const RaceRecord& run) {
    return resultWord(static_cast<long long>(resultCode(run)));
}

std::string slipTsv(const std::vector<RaceRecord>& runs) {
    return joined(runs, '\t', "\n", [](const std::string& f) { return f; });
}

std::string slipCsv(const std::vector<RaceRecord>& runs) {
    return joined(runs, ',', "\r\n", csvField);
}

}  // namespace korvane
