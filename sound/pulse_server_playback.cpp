#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "sound/pulse_stream_format.h"
#include "sound/server_playback.h"

namespace korvane {

namespace {

using Clock = ServerPlayback::Clock;

// The names SDL's own PulseAudio driver shows in the player's mixer.
const char* hintOr(const char* hint, const char* fallback) {
    const char* value = SDL_GetHint(hint);
    return value != nullptr && *value != '\0' ? value : fallback;
}

class LoopLock {
  public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

  private:
    pa_threaded_mainloop* loop_;
};

// The client library's own thread sleeps until the server sends something; the worker sleeps
// until that thread tells it the sound has played out. Nobody wakes between the server's
// requests.
class PulseServerPlayback : public ServerPlayback {
  public:
    PulseServerPlayback() : loop_(pa_threaded_mainloop_new()) {
        if (loop_ != nullptr && pa_threaded_mainloop_start(loop_) < 0) {
            pa_threaded_mainloop_free(loop_);
            loop_ = nullptr;
        }
    }
    ~PulseServerPlayback() override;
    PulseServerPlayback(const PulseServerPlayback&) = delete;
    PulseServerPlayback& operator=(const PulseServerPlayback&) = delete;

    bool connect(Clock::time_point deadline);
    bool play(const SDL_AudioSpec& format, SampleSource& source, Clock::time_point deadline,
              const PlaybackAnswer& answer) override;

  private:
    enum class Stage { opening, drained, failed };

    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void streamWants(pa_stream* stream, std::size_t bytes, void* self);
    static void streamDrained(pa_stream* stream, int success, void* self);
    static void timingKnown(pa_stream* stream, int success, void* self);
    static void serverAnswered(pa_context* context, const pa_server_info* info, void* self);

    void tell(const std::function<void()>& change);
    bool waitUntil(Clock::time_point deadline, const std::function<bool()>& done);
    void waitFor(const std::function<bool()>& done);
    Stage stage();
    bool connected();
    bool openStream(const pa_sample_spec& samples, const pa_channel_map& channels,
                    SampleSource& source, Clock::time_point deadline);
    void fill(std::size_t bytes);
    void closeStream();
    void waitOutTheSink(Clock::time_point deadline);
    void waitForServer();
    void giveUp(const PlaybackAnswer& answer);
    std::string problem();

    pa_threaded_mainloop* loop_;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;

    // Only the loop's thread uses these while a stream is open.
    SampleSource* source_ = nullptr;
    std::size_t frameBytes_ = 1;
    Clock::time_point deadline_;
    bool lastWritten_ = false;

    // What the loop's thread found, under mutex_.
    std::mutex mutex_;
    std::condition_variable changed_;
    pa_context_state_t contextState_ = PA_CONTEXT_UNCONNECTED;
    Stage stage_ = Stage::opening;
    bool timingAnswered_ = false;
    bool serverAnswered_ = false;
    bool serverInfoCame_ = false;
};

PulseServerPlayback::~PulseServerPlayback() {
    if (loop_ == nullptr) return;
    {
        const LoopLock lock(loop_);
        closeStream();
        if (context_ != nullptr) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void PulseServerPlayback::tell(const std::function<void()>& change) {
    const std::lock_guard lock(mutex_);
    change();
    changed_.notify_all();
}

bool PulseServerPlayback::waitUntil(Clock::time_point deadline, const std::function<bool()>& done) {
    std::unique_lock lock(mutex_);
    return changed_.wait_until(lock, deadline, done);
}

void PulseServerPlayback::waitFor(const std::function<bool()>& done) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, done);
}

PulseServerPlayback::Stage PulseServerPlayback::stage() {
    const std::lock_guard lock(mutex_);
    return stage_;
}

void PulseServerPlayback::contextChanged(pa_context* context, void* self) {
    auto* me = static_cast<PulseServerPlayback*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    me->tell([&] { me->contextState_ = state; });
}

void PulseServerPlayback::streamChanged(pa_stream* stream, void* self) {
    auto* me = static_cast<PulseServerPlayback*>(self);
    if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) return;
    me->tell([me] { me->stage_ = Stage::failed; });
}

void PulseServerPlayback::streamWants(pa_stream*, std::size_t bytes, void* self) {
    static_cast<PulseServerPlayback*>(self)->fill(bytes);
}

void PulseServerPlayback::streamDrained(pa_stream*, int success, void* self) {
    auto* me = static_cast<PulseServerPlayback*>(self);
    me->tell([&] { me->stage_ = success != 0 ? Stage::drained : Stage::failed; });
}

void PulseServerPlayback::timingKnown(pa_stream*, int, void* self) {
    auto* me = static_cast<PulseServerPlayback*>(self);
    me->tell([me] { me->timingAnswered_ = true; });
}

void PulseServerPlayback::serverAnswered(pa_context*, const pa_server_info* info, void* self) {
    auto* me = static_cast<PulseServerPlayback*>(self);
    me->tell([&] {
        me->serverAnswered_ = true;
        me->serverInfoCame_ = info != nullptr;
    });
}

bool PulseServerPlayback::connect(Clock::time_point deadline) {
    if (loop_ == nullptr) return false;
    {
        const LoopLock lock(loop_);
        if (context_ != nullptr) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        tell([this] { contextState_ = PA_CONTEXT_UNCONNECTED; });
        context_ =
            pa_context_new(pa_threaded_mainloop_get_api(loop_),
                           hintOr(SDL_HINT_AUDIO_DEVICE_APP_NAME, program_invocation_short_name));
        if (context_ == nullptr) return false;
        pa_context_set_state_callback(context_, &contextChanged, this);
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return false;
    }
    waitUntil(deadline, [this] {
        return contextState_ == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(contextState_);
    });
    const std::lock_guard lock(mutex_);
    return contextState_ == PA_CONTEXT_READY;
}

bool PulseServerPlayback::connected() {
    const std::lock_guard lock(mutex_);
    return contextState_ == PA_CONTEXT_READY;
}

// Called with the loop locked.
bool PulseServerPlayback::openStream(const pa_sample_spec& samples, const pa_channel_map& channels,
                                     SampleSource& source, Clock::time_point deadline) {
    source_ = &source;
    frameBytes_ = pa_frame_size(&samples);
    deadline_ = deadline;
    lastWritten_ = false;
    tell([this] { stage_ = Stage::opening; });
    stream_ = pa_stream_new(context_, hintOr(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Audio Stream"),
                            &samples, &channels);
    if (stream_ == nullptr) return false;
    pa_stream_set_state_callback(stream_, &streamChanged, this);
    pa_stream_set_write_callback(stream_, &streamWants, this);
    const pa_buffer_attr buffer = pulseStreamBuffer(samples);
    return pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr,
                                      nullptr) == 0;
}

// On the loop's thread: hands the server what it asks for, and after the last sample asks it
// to say when all has played. A sound given up by now stays quiet.
void PulseServerPlayback::fill(std::size_t bytes) {
    if (lastWritten_ || Clock::now() >= deadline_) return;
    while (bytes >= frameBytes_) {
        void* buffer = nullptr;
        std::size_t room = bytes;
        if (pa_stream_begin_write(stream_, &buffer, &room) < 0 || room < frameBytes_) return;
        room -= room % frameBytes_;
        const std::size_t read = source_->read(static_cast<unsigned char*>(buffer), room);
        const std::size_t whole = read - read % frameBytes_;
        if (whole > 0) {
            pa_stream_write(stream_, buffer, whole, nullptr, 0, PA_SEEK_RELATIVE);
        } else {
            pa_stream_cancel_write(stream_);
        }
        if (read < room) break;
        bytes -= room;
    }
    if (bytes < frameBytes_) return;
    lastWritten_ = true;
    pa_operation* drain = pa_stream_drain(stream_, &streamDrained, this);
    if (drain != nullptr) pa_operation_unref(drain);
}

// Called with the loop locked; no callback of the stream runs after it.
void PulseServerPlayback::closeStream() {
    if (stream_ == nullptr) return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
    source_ = nullptr;
}

// The server has taken the last sample from the stream; the sink may still hold some of it.
void PulseServerPlayback::waitOutTheSink(Clock::time_point deadline) {
    {
        const LoopLock lock(loop_);
        tell([this] { timingAnswered_ = false; });
        pa_operation* update = pa_stream_update_timing_info(stream_, &timingKnown, this);
        if (update == nullptr) return;
        pa_operation_unref(update);
    }
    if (!waitUntil(deadline, [this] { return timingAnswered_; })) return;
    pa_usec_t latency = 0;
    int negative = 0;
    {
        const LoopLock lock(loop_);
        if (pa_stream_get_latency(stream_, &latency, &negative) < 0 || negative != 0) return;
    }
    std::this_thread::sleep_until(
        std::min(deadline, Clock::now() + std::chrono::microseconds(latency)));
}

// After a sound was given up on a server that stopped answering: holds the worker until the
// server answers again or the connection ends, as a stuck SDL call would, so that later
// sounds are given up at once rather than each after its own wait.
void PulseServerPlayback::waitForServer() {
    while (true) {
        waitFor([this] {
            return contextState_ == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(contextState_);
        });
        {
            const LoopLock lock(loop_);
            if (pa_context_get_state(context_) != PA_CONTEXT_READY) return;
            tell([this] { serverAnswered_ = false; });
            pa_operation* ask = pa_context_get_server_info(context_, &serverAnswered, this);
            if (ask == nullptr) return;
            pa_operation_unref(ask);
        }
        waitFor([this] { return serverAnswered_ || !PA_CONTEXT_IS_GOOD(contextState_); });
        const std::lock_guard lock(mutex_);
        if (serverInfoCame_ || !PA_CONTEXT_IS_GOOD(contextState_)) return;
    }
}

std::string PulseServerPlayback::problem() {
    const LoopLock lock(loop_);
    return pa_strerror(pa_context_errno(context_));
}

// A server that stopped answering: the caller has given the sound up by the time this answers,
// so later sounds are given up at once until the server answers again.
void PulseServerPlayback::giveUp(const PlaybackAnswer& answer) {
    {
        const LoopLock lock(loop_);
        closeStream();
    }
    waitForServer();
    answer(false, "the sound server did not answer in time; the sound was given up");
}

bool PulseServerPlayback::play(const SDL_AudioSpec& format, SampleSource& source,
                               Clock::time_point deadline, const PlaybackAnswer& answer) {
    pa_sample_spec samples{};
    pa_channel_map channels{};
    if (!pulseStreamFormat(format, samples, channels)) return false;
    if (!connected() && !connect(deadline)) {
        if (Clock::now() < deadline) return false;  // the server is gone: SDL may find another
        giveUp(answer);
        return true;
    }
    bool opened = false;
    {
        const LoopLock lock(loop_);
        opened = openStream(samples, channels, source, deadline);
    }
    if (opened && !waitUntil(deadline, [this] { return stage_ != Stage::opening; })) {
        giveUp(answer);
        return true;
    }
    if (opened && stage() == Stage::drained) {
        waitOutTheSink(deadline);
        answer(true, {});
    } else {
        answer(false, (opened ? "the sound server stopped taking samples: "
                              : "the sound server would not take a stream: ") +
                          problem());
    }
    const LoopLock lock(loop_);
    closeStream();
    return true;
}

}  // namespace

std::shared_ptr<ServerPlayback> connectToSoundServer(const char* sdlDriver,
                                                     ServerPlayback::Clock::time_point deadline) {
    if (sdlDriver == nullptr || std::strcmp(sdlDriver, "pulseaudio") != 0) return nullptr;
    auto server = std::make_shared<PulseServerPlayback>();
    return server->connect(deadline) ? server : nullptr;
}

}  // namespace korvane
