#pragma once

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace korvane::bench {

// Reads the monitor of the PulseAudio null sink "korvane" (of the server the environment names)
// as it arrives and notes when each audible sample was received.
class SinkMonitor {
  public:
    using Clock = std::chrono::steady_clock;

    SinkMonitor();
    ~SinkMonitor();
    SinkMonitor(const SinkMonitor&) = delete;
    SinkMonitor& operator=(const SinkMonitor&) = delete;

    // The receive times of the audible samples between two moments.
    std::vector<Clock::time_point> audibleBetween(Clock::time_point from, Clock::time_point to);

    static inline std::atomic<pid_t> readerThread{0};  // not counted as the program's own

  private:
    void readAll();

    pid_t recorder_ = -1;
    int samples_ = -1;
    std::thread reader_;
    std::mutex mutex_;
    std::vector<Clock::time_point> audible_;
};

}  // namespace korvane::bench
