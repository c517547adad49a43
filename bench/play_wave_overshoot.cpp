// How long PlayWave blocks past a wave's own length when it plays through a real sound server
// (a private PulseAudio with a null sink). Prints min/median/max over a number of plays.
//   build/default/bench/play_wave_overshoot [plays] [idle]
// With "idle" nothing listens on the sink's monitor, and the null sink starts each new stream
// only at the end of its two-second idle block: that shows up as overshoot.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

#include "sound/mod_play_wave.h"
#include "sound/sdl_wave_output.h"
#include "sound/synth/wave_writer.h"
#include "tests/support/pulse_null_sink.h"

namespace {

constexpr int kRate = 22050;
constexpr int kWaveMs = 300;

class PrintedMessages : public korvane::MessageBoxes {
  public:
    void show(const std::string& text) override { std::cerr << "message: " << text << "\n"; }
};

std::vector<std::int16_t> tone() {
    std::vector<std::int16_t> samples(kRate * kWaveMs / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        samples[i] = static_cast<std::int16_t>(16000 * std::sin(2 * std::numbers::pi * 440 * t));
    }
    return samples;
}

double overshootMs(korvane::WavePlayer& player, const std::string& path) {
    const auto start = std::chrono::steady_clock::now();
    player.PlayWave(path);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return took.count() - kWaveMs;
}

}  // namespace

int main(int argc, char** argv) {
    const int plays = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    if (!korvane::testing::PulseNullSink::installed()) {
        std::cerr << "pulseaudio and pulseaudio-utils are needed\n";
        return 1;
    }
    korvane::testing::PulseNullSink sink;
    sink.routeSdlAudioHere();
    const std::string path = sink.folder() + "/tone.wav";
    korvane::writeWaveFile(path, tone(), kRate);

    // An idle null sink renders in two-second blocks and takes that long to start a new
    // stream; a listener on its monitor keeps it running with low latency, like a sound card.
    const bool idle = argc > 2 && std::string(argv[2]) == "idle";
    std::unique_ptr<korvane::testing::MonitorRecording> listener;
    if (!idle) listener = std::make_unique<korvane::testing::MonitorRecording>(sink);
    korvane::SdlWaveOutput output;
    PrintedMessages messages;
    korvane::modPlayWave player(output, messages);
    overshootMs(player, path);  // the first call also starts SDL's audio: not counted
    std::printf("PlayWave of a %d ms wave on a PulseAudio null sink%s, %d plays\n", kWaveMs,
                idle ? " (idle, nothing listening)" : "", plays);
    // The game's sounds come seconds apart; played back to back, a call also waits for the
    // device of the one before to close.
    for (const int gapMs : {400, 0}) {
        std::vector<double> overshoot;
        for (int i = 0; i < plays; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(gapMs));
            overshoot.push_back(overshootMs(player, path));
        }
        std::sort(overshoot.begin(), overshoot.end());
        std::printf(
            "blocked past the wave's end, %s: min %.1f ms, median %.1f ms, max %.1f ms"
            "   target median <= 40\n",
            gapMs > 0 ? "400 ms apart " : "back to back", overshoot.front(),
            overshoot[overshoot.size() / 2], overshoot.back());
    }
    return 0;
}
