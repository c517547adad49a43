#include "sound/sdl_wave_loading.h"

#include "sound/riff_lengths.h"
#include "sound/wave_file_bytes.h"

namespace korvane {

namespace {

// Rates outside what any output can play are treated as a damaged header.
bool playableRate(int freq) {
    return freq >= 1000 && freq <= 384000;
}

}  // namespace

std::optional<LoadedWave> loadWave(const std::string& path) {
    // SDL decodes from our bounded copy in memory.
    auto bytes = readWaveFileBytes(path);
    if (!bytes || bytes->empty()) return std::nullopt;
    // SDL sizes its buffers by the header's lengths, so a forged one must not reach it.
    clampRiffLengths(*bytes);
    SDL_RWops* source = SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size()));
    if (source == nullptr) return std::nullopt;
    SDL_AudioSpec spec{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(source, 1, &spec, &data, &length) == nullptr) return std::nullopt;
    LoadedWave wave(spec, data, length);
    if (!playableRate(spec.freq) || spec.channels == 0) return std::nullopt;
    return wave;
}

}  // namespace korvane
