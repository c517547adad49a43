#include "bench/sink_monitor.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace korvane::bench {

SinkMonitor::SinkMonitor() {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
    recorder_ = ::fork();
    if (recorder_ == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::execlp("parecord", "parecord", "--device=korvane.monitor", "--raw", "--format=s16le",
                 "--rate=44100", "--channels=1", "--latency-msec=10", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    samples_ = pipeEnds[0];
    reader_ = std::thread([this] { readAll(); });
}

SinkMonitor::~SinkMonitor() {
    ::kill(recorder_, SIGTERM);
    ::waitpid(recorder_, nullptr, 0);
    reader_.join();
    ::close(samples_);
}

std::vector<SinkMonitor::Clock::time_point> SinkMonitor::audibleBetween(Clock::time_point from,
                                                                        Clock::time_point to) {
    const std::lock_guard lock(mutex_);
    std::vector<Clock::time_point> found;
    for (Clock::time_point t : audible_) {
        if (t >= from && t <= to) found.push_back(t);
    }
    return found;
}

void SinkMonitor::readAll() {
    readerThread = ::gettid();
    std::vector<std::int16_t> chunk(512);
    while (true) {
        const ssize_t n = ::read(samples_, chunk.data(), chunk.size() * 2);
        if (n <= 0) break;
        const Clock::time_point now = Clock::now();
        const std::size_t samples = static_cast<std::size_t>(n) / 2;
        const std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < samples; ++i) {
            // The null sink's silence is exact zero.
            if (std::abs(chunk[i]) >= 64) audible_.push_back(now);
        }
    }
}

}  // namespace korvane::bench
