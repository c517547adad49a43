#include "sound/sdl_device_playback.h"

namespace korvane {

namespace {

constexpr Uint16 kDeviceBufferFrames = 512;
// Time allowed beyond the device buffers for the last samples to leave the sound server.
constexpr Uint32 kDrainMarginMs = 30;
// A device that stops taking samples for this long past the sound's length has stalled.
constexpr Uint32 kStallAllowanceMs = 2000;

class OpenDevice {
  public:
    explicit OpenDevice(SDL_AudioDeviceID id) : id_(id) {}
    ~OpenDevice() {
        if (id_ != 0) SDL_CloseAudioDevice(id_);
    }
    OpenDevice(const OpenDevice&) = delete;
    OpenDevice& operator=(const OpenDevice&) = delete;
    SDL_AudioDeviceID id() const { return id_; }

  private:
    SDL_AudioDeviceID id_;
};

Uint32 lengthMs(const SDL_AudioSpec& format, Uint32 bytes) {
    const Uint64 frameBytes = Uint64{SDL_AUDIO_BITSIZE(format.format) / 8u} * format.channels;
    if (frameBytes == 0 || format.freq <= 0) return 0;
    return static_cast<Uint32>(bytes / frameBytes * 1000 / static_cast<Uint64>(format.freq));
}

// Waits until SDL has handed every queued sample to the device.
bool waitForQueueToEmpty(SDL_AudioDeviceID device, Uint32 soundMs) {
    const Uint64 deadline = SDL_GetTicks64() + soundMs + kStallAllowanceMs;
    while (SDL_GetQueuedAudioSize(device) > 0) {
        if (SDL_GetAudioDeviceStatus(device) != SDL_AUDIO_PLAYING) return false;
        if (SDL_GetTicks64() > deadline) return false;
        SDL_Delay(2);
    }
    return true;
}

// An empty queue only means the samples reached the device: its own buffer, and the sound
// server's behind it, still have to play out before closing would not cut the sound short.
void waitForDeviceBuffer(const SDL_AudioSpec& obtained) {
    const Uint32 bufferMs = static_cast<Uint32>(obtained.samples) * 1000u /
                            static_cast<Uint32>(obtained.freq > 0 ? obtained.freq : 1);
    SDL_Delay(2 * bufferMs + kDrainMarginMs);
}

}  // namespace

bool playOnNewDevice(const SDL_AudioSpec& format, const Uint8* data, Uint32 length) {
    SDL_AudioSpec wanted = format;
    wanted.samples = kDeviceBufferFrames;
    wanted.callback = nullptr;
    wanted.userdata = nullptr;
    SDL_AudioSpec obtained{};
    // Only the buffer size may change: SDL converts rate, format and channels for us.
    OpenDevice device(
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_SAMPLES_CHANGE));
    if (device.id() == 0) return false;
    if (length > 0 && SDL_QueueAudio(device.id(), data, length) != 0) return false;
    SDL_PauseAudioDevice(device.id(), 0);
    if (!waitForQueueToEmpty(device.id(), lengthMs(format, length))) return false;
    waitForDeviceBuffer(obtained);
    return true;
}

}  // namespace korvane
