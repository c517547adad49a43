// Plays seeded random sessions on the race window and judges every step; with file names,
// replays fuzzer inputs instead.
// Usage: race_events_fuzz [--first-seed N] [--sessions N] [--steps N] [--seconds S]
//        race_events_fuzz INPUT-FILE...
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/race_events/race_events.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using korvane::fuzz::Tally;

struct Options {
    std::uint32_t firstSeed = 1;
    std::uint64_t sessions = 40;
    std::uint64_t steps = 2000;
    double seconds = 0;  // 0: no time limit
    std::vector<std::string> inputs;
};

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (hasValue && std::strcmp(argv[i], "--first-seed") == 0) {
            o.firstSeed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (hasValue && std::strcmp(argv[i], "--sessions") == 0) {
            o.sessions = std::strtoull(argv[++i], nullptr, 10);
        } else if (hasValue && std::strcmp(argv[i], "--steps") == 0) {
            o.steps = std::strtoull(argv[++i], nullptr, 10);
        } else if (hasValue && std::strcmp(argv[i], "--seconds") == 0) {
            o.seconds = std::strtod(argv[++i], nullptr);
            o.sessions = UINT64_MAX;
        } else {
            o.inputs.emplace_back(argv[i]);
        }
    }
    return o;
}

int replay(const std::vector<std::string>& inputs) {
    for (const std::string& path : inputs) {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "race_events: cannot read %s\n", path.c_str());
            return 2;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        std::printf("race_events: %s held\n", path.c_str());
    }
    return 0;
}

void report(const Tally& t, std::uint64_t sessions, const Options& o, double seconds) {
    std::printf(
        "race_events: %llu sessions (seeds %u to %llu), %llu steps in %.1f s: %llu presses, "
        "%llu races, %llu repeat releases, %llu ties, %llu player red lights, %llu muted, "
        "%llu full counters; wins computer %llu, player %llu\n",
        static_cast<unsigned long long>(sessions), o.firstSeed,
        static_cast<unsigned long long>(o.firstSeed + sessions - 1),
        static_cast<unsigned long long>(t.steps), seconds,
        static_cast<unsigned long long>(t.presses), static_cast<unsigned long long>(t.races),
        static_cast<unsigned long long>(t.repeatReleases), static_cast<unsigned long long>(t.ties),
        static_cast<unsigned long long>(t.playerRedLights),
        static_cast<unsigned long long>(t.muted), static_cast<unsigned long long>(t.fullCounters),
        static_cast<unsigned long long>(t.computerWins),
        static_cast<unsigned long long>(t.playerWins));
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    if (!o.inputs.empty()) return replay(o.inputs);
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    Tally tally;
    std::uint64_t done = 0;
    for (; done < o.sessions && (o.seconds == 0 || elapsed() < o.seconds); ++done) {
        const auto seed = static_cast<std::uint32_t>(o.firstSeed + done);
        korvane::fuzz::SeededChoices choices(seed);
        try {
            korvane::fuzz::playSession(choices, tally, o.steps);
        } catch (const korvane::fuzz::Broken& broken) {
            std::printf("BROKEN with seed %u: %s\n", seed, broken.what());
            report(tally, done + 1, o, elapsed());
            return 1;
        }
    }
    report(tally, done, o, elapsed());
    return 0;
}
