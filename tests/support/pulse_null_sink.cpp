#include "tests/support/pulse_null_sink.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace korvane::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

bool PulseNullSink::installed() {
    return programsInstalled({"pulseaudio", "pactl", "parecord"});
}

PulseNullSink::PulseNullSink() {
    std::string pattern = "/tmp/korvane-pulse-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
    daemon_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{
            "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit", "-n",
            "--use-pid-file=no", "--log-target=stderr", "--load=module-null-sink sink_name=korvane",
            "--load=module-native-protocol-unix auth-anonymous=1 socket=" + folder_ + "/native"},
        clientEnvironment(), folder_ + "/daemon.log");
    waitUntilAnswering();
}

PulseNullSink::~PulseNullSink() {
    daemon_.reset();  // SIGTERM, then SIGKILL if it lingers
    std::error_code error;
    fs::remove_all(folder_, error);
}

ChildProcess::Environment PulseNullSink::clientEnvironment() const {
    return {{"HOME", folder_},
            {"XDG_RUNTIME_DIR", folder_},
            {"XDG_CONFIG_HOME", folder_ + "/config"},
            {"PULSE_RUNTIME_PATH", folder_ + "/runtime"},
            {"PULSE_STATE_PATH", folder_ + "/state"},
            {"PULSE_SERVER", "unix:" + folder_ + "/native"}};
}

void PulseNullSink::routeSdlAudioHere() const {
    ::setenv("PULSE_SERVER", ("unix:" + folder_ + "/native").c_str(), 1);
    ::setenv("SDL_AUDIODRIVER", "pulseaudio", 1);
}

void PulseNullSink::waitUntilAnswering() {
    const auto deadline = std::chrono::steady_clock::now() + 15s;
    while (std::chrono::steady_clock::now() < deadline) {
        if (!daemon_->running()) break;
        if (runsSuccessfully({"pactl", "list", "short", "sinks"}, clientEnvironment())) return;
        std::this_thread::sleep_for(50ms);
    }
    std::ifstream log(folder_ + "/daemon.log");
    throw std::runtime_error("the PulseAudio server did not start: " +
                             std::string(std::istreambuf_iterator<char>(log), {}));
}

MonitorRecording::MonitorRecording(const PulseNullSink& sink)
    : file_(sink.folder() + "/monitor.raw") {
    recorder_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"parecord", "--device=korvane.monitor", "--raw", "--format=s16le",
                                 "--rate=" + std::to_string(kRate), "--channels=1",
                                 "--latency-msec=10", file_},
        sink.clientEnvironment(), sink.folder() + "/recorder.log");
    waitUntilSamplesArrive();
}

void MonitorRecording::waitUntilSamplesArrive() {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    std::error_code error;
    while (std::chrono::steady_clock::now() < deadline) {
        if (fs::exists(file_) && fs::file_size(file_, error) > 0) return;
        if (!recorder_->running()) break;
        std::this_thread::sleep_for(10ms);
    }
    throw std::runtime_error("the recorder did not start");
}

std::vector<std::int16_t> MonitorRecording::stop() {
    recorder_->stop(SIGINT);
    std::ifstream in(file_, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<unsigned char>(bytes[2 * i]);
        const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
        samples[i] = static_cast<std::int16_t>(low | high << 8);
    }
    return samples;
}

namespace {

// For each 10 ms window: is its level above a whisper?
std::vector<bool> audibleWindows(const std::vector<std::int16_t>& samples, int rate) {
    const std::size_t window = static_cast<std::size_t>(rate) / 100;
    std::vector<bool> audible;
    for (std::size_t start = 0; start + window <= samples.size(); start += window) {
        double sumSquares = 0;
        for (std::size_t i = start; i < start + window; ++i) {
            sumSquares += static_cast<double>(samples[i]) * samples[i];
        }
        audible.push_back(std::sqrt(sumSquares / static_cast<double>(window)) > 1000);
    }
    return audible;
}

}  // namespace

int audibleMs(const std::vector<std::int16_t>& samples, int rate) {
    const std::vector<bool> windows = audibleWindows(samples, rate);
    return 10 * static_cast<int>(std::count(windows.begin(), windows.end(), true));
}

int audibleSpanMs(const std::vector<std::int16_t>& samples, int rate) {
    const std::vector<bool> windows = audibleWindows(samples, rate);
    const auto first = std::find(windows.begin(), windows.end(), true);
    if (first == windows.end()) return 0;
    const auto last = std::find(windows.rbegin(), windows.rend(), true);
    return 10 * static_cast<int>(last.base() - first);
}

}  // namespace korvane::testing
