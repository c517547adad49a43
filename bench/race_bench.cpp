// How much work the race handlers do per event, on a virtual clock.
#include <benchmark/benchmark.h>

#include <string>

#include "common/number_reading.h"
#include "race/main.h"
#include "tests/support/virtual_timers.h"

namespace korvane {
namespace {

class SilentSound : public WavePlayer {
  public:
    void PlayWave(const std::string&) override {}
};

class SilentMessages : public MessageBoxes {
  public:
    void show(const std::string&) override {}
};

struct Bench {
    RandomSource random;
    SilentSound sound;
    SilentMessages messages;
    VirtualTimers clock;
    Main main{{random, sound, messages, "/data"}};
    Bench() {
        for (Timer* t : main.timers()) t->setHost(&clock);
    }
};

// The reaction clock's tick: asked for every 2 ms, it must cost next to nothing.
void ReactionClockTick(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        b.main.reactionClockTick();
        benchmark::DoNotOptimize(b.main.reactionClock);
    }
}
BENCHMARK(ReactionClockTick);

// Press, stage, count down to the green and let go, all on the virtual clock.
void WholeRace(benchmark::State& state) {
    Bench b;
    const bool pro = state.range(0) != 0;
    b.main.proTreeOption.value = pro ? 1 : 0;
    b.main.standardTreeOption.value = pro ? 0 : 1;
    for (auto _ : state) {
        b.main.stagePressed();
        b.clock.advanceBy(2400 + (pro ? 1000 : 2200));
        b.main.launched();
    }
    state.counters["races"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(WholeRace)->Arg(0)->Arg(1)->ArgNames({"pro"});

// Reading what a player may type into the computer's time box, up to a huge paste.
void ReadTypedNumber(benchmark::State& state) {
    const std::string text = "." + std::string(static_cast<std::size_t>(state.range(0)), '7');
    for (auto _ : state) benchmark::DoNotOptimize(readNumber(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(ReadTypedNumber)->Arg(3)->Arg(1000)->Arg(100000);

}  // namespace
}  // namespace korvane

BENCHMARK_MAIN();
