// The entry point libFuzzer calls with each input; the plain build calls it for input files.
#include <cstdio>
#include <cstdlib>

#include "fuzz/race_events/race_events.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korvane::fuzz::ByteChoices choices(data, size);
    korvane::fuzz::Tally tally;
    try {
        korvane::fuzz::playSession(choices, tally, 1'000'000);
    } catch (const korvane::fuzz::Broken& broken) {
        std::fprintf(stderr, "BROKEN: %s\n", broken.what());
        std::abort();  // so the fuzzer keeps the input
    }
    return 0;
}
