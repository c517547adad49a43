#include "sound/sdl_wave_output.h"

#include <SDL.h>

#include <algorithm>
#include <future>

#include "sound/audio_drivers.h"
#include "sound/playable.h"
#include "sound/sdl_device_playback.h"
#include "sound/server_playback.h"
#include "sound/sound_error.h"
#include "sound/sound_report.h"

namespace korvane {

namespace {

using Clock = DeadlineWorker::Clock;

// How long past a sound's own length the game waits on the sound server before giving up.
constexpr auto kServerAllowance = std::chrono::seconds(2);
// How long SDL takes to sleep out a closing device's last buffers, with room to spare.
constexpr auto kLastCloseAllowance = std::chrono::milliseconds(250);
constexpr const char* kServerStillStuck =
    "the sound server has not answered since an earlier sound";

bool startSdlAudio(AudioState& audio) {
    // SDL would otherwise take over SIGINT and SIGTERM, and Ctrl-C would no longer end the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, preferredAudioDrivers().c_str(),
                            SDL_HINT_DEFAULT);
    audio.sdlStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return audio.sdlStarted;
}

// Where SDL would pick PulseAudio first, sounds go to its server directly, and SDL's audio
// (which would open a second connection to it) starts only when ours will not connect.
void startServerOrSdlAudio(AudioState& audio, std::promise<AudioJobResult>& reply) {
    if (pulseAudioComesFirst()) {
        audio.server = connectToSoundServer("pulseaudio", Clock::now() + kServerAllowance);
    }
    if (!audio.server && startSdlAudio(audio)) {
        audio.server =
            connectToSoundServer(SDL_GetCurrentAudioDriver(), Clock::now() + kServerAllowance);
    }
    audio.started = audio.server || audio.sdlStarted;
    reply.set_value({audio.started, audio.started ? std::string() : SDL_GetError()});
}

void playOnServerOrDevice(AudioState& audio, const Playable& sound, Clock::time_point deadline,
                          const PlaybackAnswer& answer) {
    if (audio.server && audio.server->play(sound.format, *sound.samples, deadline, answer)) return;
    if (!audio.sdlStarted && !startSdlAudio(audio)) {
        answer(false, std::string("audio would not start: ") + SDL_GetError());
        return;
    }
    playOnNewDevice(sound.format, *sound.samples, deadline, answer);
}

}  // namespace

SdlWaveOutput::SdlWaveOutput() : audio_(std::make_shared<AudioState>()) {}

SdlWaveOutput::~SdlWaveOutput() {
    if (!audio_->started) return;
    auto reply = std::make_shared<std::promise<void>>();
    std::future<void> done = reply->get_future();
    const auto quit = [reply, audio = audio_] {
        audio->server.reset();
        if (audio->sdlStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        reply->set_value();
    };
    if (worker_.post(quit, patienceAtTheEnd())) {
        done.wait_for(kServerAllowance);
    }
}

// A worker still closing the device of the sound before may take its time (SDL sleeps out the
// device's last buffers there); one stuck since a sound was given up, or since it was last
// found stuck, gets no wait at all.
DeadlineWorker::Clock::duration SdlWaveOutput::patience() const {
    return gaveUp_ ? Clock::duration::zero() : Clock::duration(kServerAllowance);
}

// At the end of the program, a worker still closing the device of a sound just heard gets what
// is left of the moment that takes; one busy for longer is stuck on a server that stopped
// answering, and the program ends without it.
DeadlineWorker::Clock::duration SdlWaveOutput::patienceAtTheEnd() const {
    if (gaveUp_) return Clock::duration::zero();
    return std::max(Clock::duration::zero(), lastAnswer_ + kLastCloseAllowance - Clock::now());
}

// Runs the job on the worker and waits for its reply until the deadline. Nothing when the
// worker is still stuck in an earlier job or the reply did not come in time.
std::optional<AudioJobResult> SdlWaveOutput::ask(
    const std::function<void(std::promise<AudioJobResult>&)>& job, Clock::time_point deadline,
    std::string& problem) {
    auto reply = std::make_shared<std::promise<AudioJobResult>>();
    std::future<AudioJobResult> answer = reply->get_future();
    if (!worker_.post([job, reply] { job(*reply); }, patience())) {
        gaveUp_ = true;
        problem = kServerStillStuck;
        return std::nullopt;
    }
    gaveUp_ = answer.wait_until(deadline) != std::future_status::ready;
    if (gaveUp_) {
        problem = "the sound server did not answer in time; the sound was given up";
        return std::nullopt;
    }
    lastAnswer_ = Clock::now();
    return answer.get();
}

// True once sounds can play, on the server or through SDL's audio. False, after a line on
// stderr, when there is nothing to play on (no sound server, no sound card: silent, as a
// missing device always was) or the worker is still stuck; throws SoundError when the audio
// would not start.
bool SdlWaveOutput::startAudio(const std::string& path) {
    if (audio_->started) return true;
    std::string problem;
    const auto job = [audio = audio_](std::promise<AudioJobResult>& reply) {
        startServerOrSdlAudio(*audio, reply);
    };
    const std::optional<AudioJobResult> result = ask(job, Clock::now() + kServerAllowance, problem);
    if (result && result->succeeded) return true;
    if (!result && problem == kServerStillStuck) {
        reportSoundProblem(path, problem);
        return false;
    }
    if (result && !audioDriverChosenByPlayer()) {
        reportSoundProblem(path, "no sound server or sound card to play on (tried " +
                                     preferredAudioDrivers() + "): " + result->problem);
        return false;
    }
    throw SoundError("audio would not start: " + (result ? result->problem : problem));
}

bool SdlWaveOutput::play(const std::shared_ptr<Playable>& sound, const std::string& path) {
    const Clock::time_point deadline = Clock::now() + sound->length + kServerAllowance;
    const auto job = [sound, deadline, audio = audio_](std::promise<AudioJobResult>& reply) {
        playOnServerOrDevice(*audio, *sound, deadline,
                             [&reply](bool played, const std::string& problem) {
                                 reply.set_value({played, problem});
                             });
    };
    std::string problem;
    const std::optional<AudioJobResult> result = ask(job, deadline, problem);
    if (!result || !result->succeeded) reportSoundProblem(path, result ? result->problem : problem);
    return result && result->succeeded;
}

int SdlWaveOutput::playSync(const std::string& path) {
    if (!startAudio(path)) return 0;
    std::string problem;
    const std::shared_ptr<Playable> sound = openWave(path, problem);
    if (!sound) {
        // Like the platform call it replaces: a file that will not play gets the default sound.
        reportSoundProblem(path, problem + "; played the default sound instead");
        play(defaultChime(), path);
        return 0;
    }
    return play(sound, path) ? 1 : 0;
}

}  // namespace korvane
