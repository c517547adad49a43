#include <memory>
#include <optional>

#include "devices/devices.h"
#include "sound/mod_play_wave.h"
#include "sound/sdl_wave_output.h"

namespace korvane::devices {

namespace {

// Declared in this order so the controllers stop before the sound output ends, as they did
// when the game linked both.
class SdlDevices : public Devices {
  public:
    explicit SdlDevices(const DeviceHooks& hooks) : player_(output_, *hooks.messages) {
        if (hooks.changes) controllers_.emplace(hooks.changes, hooks.devices);
    }
    WavePlayer& player() override { return player_; }
    void closeControllers() override { controllers_.reset(); }

  private:
    SdlWaveOutput output_;
    modPlayWave player_;
    std::optional<input::ControllerReader> controllers_;
};

}  // namespace

}  // namespace korvane::devices

extern "C" __attribute__((visibility("default"))) korvane::devices::Devices* korvane_open_devices(
    const korvane::devices::DeviceHooks* hooks) {
    return new korvane::devices::SdlDevices(*hooks);
}
