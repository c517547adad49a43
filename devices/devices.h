#pragma once

#include "common/message_boxes.h"
#include "common/wave_player.h"
#include "input/controller_reader.h"

namespace korvane::devices {

// What the game hands the devices module: where a failed sound is told, and where the
// controllers' changes go (no controllers are read when `changes` is empty).
struct DeviceHooks {
    MessageBoxes* messages = nullptr;
    input::ControllerReader::Sink changes;
    input::ControllerReader::DevicesSink devices;
};

// The sound and the game controllers, both over SDL, which the game itself does not link: it
// loads them from a module once the splash is on screen.
class Devices {
  public:
    virtual ~Devices() = default;
    virtual WavePlayer& player() = 0;
    // Stops reading the controllers, so nothing more reaches their sink.
    virtual void closeControllers() = 0;
};

// The module's one entry point: Devices* korvane_open_devices(const DeviceHooks*), which
// returns once the controllers are read, so SDL starts one subsystem at a time.
using OpenDevices = Devices* (*)(const DeviceHooks*);
inline constexpr const char* kOpenDevices = "korvane_open_devices";

}  // namespace korvane::devices
