#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

#include "common/moment.h"

namespace korvane::input {

// A controller's button, axis or hat going down or coming up, and how many are held after it.
struct ControllerChange {
    bool down = false;
    int held = 0;
    Moment at;
};

// Reads every game controller, joystick and pedal through SDL on a thread of its own and hands
// each press and release to the sink, on that thread. SDL 2 has no blocking wait for
// joysticks, so the thread sleeps between looks: a second with nothing plugged in (to notice
// one arriving), a millisecond with a controller connected.
class ControllerReader {
  public:
    using Sink = std::function<void(const ControllerChange&)>;

    // Returns once SDL's joystick support has started (or failed to, said on stderr).
    explicit ControllerReader(Sink sink);
    ~ControllerReader();
    ControllerReader(const ControllerReader&) = delete;
    ControllerReader& operator=(const ControllerReader&) = delete;

    bool running() const { return running_; }

  private:
    void run(const std::stop_token& stop);
    void sleep(const std::stop_token& stop, bool anyConnected);

    Sink sink_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    bool started_ = false;
    bool running_ = false;
    std::jthread thread_;
};

}  // namespace korvane::input
