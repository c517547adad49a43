#pragma once

#include <QString>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include "common/message_boxes.h"
#include "common/wave_player.h"
#include "devices/devices.h"

namespace korvane::ui {

// The game's sound and controllers, from the devices module loaded on a thread of its own, so
// that SDL's libraries are mapped once the splash is on screen rather than at start. A sound
// waits for the load. A module that will not load is told once on stderr, and the game then
// plays silently without controllers.
class LoadedDevices : public WavePlayer {
  public:
    LoadedDevices(QString modulePath, MessageBoxes& messages);
    ~LoadedDevices() override;
    LoadedDevices(const LoadedDevices&) = delete;
    LoadedDevices& operator=(const LoadedDevices&) = delete;

    // Starts the load, once; a sound played before starts it without controllers.
    void load(input::ControllerReader::Sink changes, input::ControllerReader::DevicesSink devices);
    // Waits for a load begun, then stops reading the controllers.
    void closeControllers();
    void PlayWave(const std::string& path) override;

  private:
    devices::Devices* loaded();

    const QString modulePath_;
    MessageBoxes& messages_;
    std::once_flag started_;
    std::unique_ptr<devices::Devices> devices_;
    std::shared_future<void> done_;
    std::jthread loader_;
};

// The devices module's full path: FILE in the folder at KORVANE_MODULES_FROM_BIN from the
// program's own, found as the data folder is.
QString devicesModulePath(const QString& file);

}  // namespace korvane::ui
