#include "sound/device_feed.h"

#include <cstring>
#include <thread>

namespace korvane {

namespace {

// What the sound server still holds after the device: its render block or two. Waiting this
// much longer than the sound lasts lets the last sample reach the speaker before we return.
constexpr auto kServerLatency = std::chrono::milliseconds(20);

}  // namespace

DeviceFeed::DeviceFeed(SampleSource& source, const SDL_AudioSpec& format)
    : source_(source),
      silence_(format.format == AUDIO_U8 ? 0x80 : 0),  // the only unsigned wave format
      bytesPerSecond_(static_cast<double>(SDL_AUDIO_BITSIZE(format.format) / 8) * format.channels *
                      format.freq) {}

void SDLCALL DeviceFeed::fill(void* feed, Uint8* buffer, int bytes) {
    static_cast<DeviceFeed*>(feed)->fillBuffer(buffer,
                                               bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
}

void DeviceFeed::fillBuffer(Uint8* buffer, std::size_t bytes) {
    std::size_t given = 0;
    if (!lastSampleGiven_) {
        if (bytesGiven_ == 0) firstFill_ = Clock::now();
        given = source_.read(buffer, bytes);
        bytesGiven_ += given;
        lastSampleGiven_ = given < bytes;
    } else {
        const std::lock_guard lock(mutex_);
        playedOut_ = true;
        playedOutChanged_.notify_all();
    }
    std::memset(buffer + given, silence_, bytes - given);
}

bool DeviceFeed::waitUntilPlayedOut(Clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    if (!playedOutChanged_.wait_until(lock, deadline, [this] { return playedOut_; })) return false;
    const auto length = std::chrono::duration<double>(bytesGiven_ / bytesPerSecond_);
    const Clock::time_point end =
        firstFill_ + std::chrono::duration_cast<Clock::duration>(length) + kServerLatency;
    lock.unlock();
    if (end > deadline) return false;
    std::this_thread::sleep_until(end);
    return true;
}

}  // namespace korvane
