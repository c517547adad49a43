#pragma once

#include <functional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "common/moment.h"
#include "input/device_wait.h"
#include "input/held_inputs.h"

namespace korvane::input {

// A controller's button, axis or hat going down or coming up, and how many are held after it.
struct ControllerChange {
    bool down = false;
    int held = 0;
    Moment at;
    HeldInputs::Input input;  // which one it was
    std::string guid;         // its controller's, which stays the same when plugged in again
};

// A controller the game sees.
struct ControllerInfo {
    std::string name;
    std::string guid;
};

// Reads every game controller, joystick and pedal through SDL on a thread of its own and hands
// each press and release to the sink, on that thread. SDL 2 cannot sleep until a joystick
// moves, so the thread sleeps on the controllers' device files itself, waking once a second
// to notice one plugged in; a controller whose file it cannot read is looked at every
// millisecond instead.
class ControllerReader {
  public:
    using Sink = std::function<void(const ControllerChange&)>;
    // Every controller seen, each time one comes or goes; called on the reader's thread.
    using DevicesSink = std::function<void(const std::vector<ControllerInfo>&)>;

    // Returns once SDL's joystick support has started (or failed to, said on stderr).
    explicit ControllerReader(Sink sink, DevicesSink devices = {});
    ~ControllerReader();
    ControllerReader(const ControllerReader&) = delete;
    ControllerReader& operator=(const ControllerReader&) = delete;

    bool running() const { return running_; }

  private:
    void run(const std::stop_token& stop);

    Sink sink_;
    DevicesSink devices_;
    DeviceWait wait_;
    bool running_ = false;
    std::jthread thread_;
};

}  // namespace korvane::input
