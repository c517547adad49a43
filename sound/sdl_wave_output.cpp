#include "sound/sdl_wave_output.h"

#include <SDL.h>

#include "sound/default_tone.h"
#include "sound/sdl_device_playback.h"
#include "sound/sdl_wave_loading.h"
#include "sound/sound_error.h"

namespace korvane {

namespace {

bool playDefaultTone() {
    SDL_AudioSpec spec{};
    spec.freq = kDefaultToneRate;
    spec.format = AUDIO_S16SYS;
    spec.channels = 1;
    const auto& tone = defaultTone();
    return playOnNewDevice(spec, reinterpret_cast<const Uint8*>(tone.data()),
                           static_cast<Uint32>(tone.size() * sizeof(tone[0])));
}

}  // namespace

SdlWaveOutput::~SdlWaveOutput() {
    if (started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlWaveOutput::startAudio() {
    if (started_) return;
    // SDL would otherwise take over SIGINT and SIGTERM, and Ctrl-C would no longer end the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        throw SoundError(std::string("audio would not start: ") + SDL_GetError());
    }
    started_ = true;
}

int SdlWaveOutput::playSync(const std::string& path) {
    startAudio();
    const std::optional<LoadedWave> wave = loadWave(path);
    if (!wave) {
        // Like the platform call it replaces: a file that will not play gets the default sound.
        playDefaultTone();
        return 0;
    }
    return playOnNewDevice(wave->spec(), wave->data(), wave->length()) ? 1 : 0;
}

}  // namespace korvane
