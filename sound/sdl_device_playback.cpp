#include "sound/sdl_device_playback.h"

#include "sound/device_feed.h"

namespace korvane {

namespace {

// Device buffers of about 40 ms: few enough wake-ups while a sound plays, and a short wait for
// the last one to play out.
constexpr int kBuffersPerSecond = 25;

Uint16 bufferFrames(int freq) {
    Uint16 frames = 64;
    while (frames < freq / kBuffersPerSecond && frames < 8192) frames *= 2;
    return frames;
}

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

}  // namespace

void playOnNewDevice(const SDL_AudioSpec& format, SampleSource& source,
                     std::chrono::steady_clock::time_point deadline, const PlaybackAnswer& answer) {
    DeviceFeed feed(source, format);  // outlives the device that calls it
    SDL_AudioSpec wanted = format;
    wanted.samples = bufferFrames(format.freq);
    wanted.callback = &DeviceFeed::fill;
    wanted.userdata = &feed;
    SDL_AudioSpec obtained{};
    // Only the buffer size may change: SDL converts rate, format and channels for us.
    OpenDevice device(
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_SAMPLES_CHANGE));
    if (device.id() == 0) {
        return answer(false, std::string("no output device would open: ") + SDL_GetError());
    }
    // A device that opened only once the game had given the sound up stays quiet.
    if (std::chrono::steady_clock::now() >= deadline) {
        return answer(false, "the sound server answered too late");
    }
    SDL_PauseAudioDevice(device.id(), 0);
    if (!feed.waitUntilPlayedOut(deadline)) return answer(false, "the output device stalled");
    // Closing lets SDL's audio thread sleep out its last buffers: the caller need not wait.
    answer(true, {});
}

}  // namespace korvane
