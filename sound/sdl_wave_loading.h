#pragma once

#include <SDL.h>

#include <optional>
#include <string>

namespace korvane {

// Decoded samples of a wave file, in the format its header gives; owns SDL's buffer.
class LoadedWave {
  public:
    LoadedWave(const SDL_AudioSpec& spec, Uint8* data, Uint32 length)
        : spec_(spec), data_(data), length_(length) {}
    ~LoadedWave() { SDL_FreeWAV(data_); }
    LoadedWave(LoadedWave&& other) noexcept
        : spec_(other.spec_), data_(other.data_), length_(other.length_) {
        other.data_ = nullptr;
    }
    LoadedWave(const LoadedWave&) = delete;
    LoadedWave& operator=(const LoadedWave&) = delete;
    LoadedWave& operator=(LoadedWave&&) = delete;

    const SDL_AudioSpec& spec() const { return spec_; }
    const Uint8* data() const { return data_; }
    Uint32 length() const { return length_; }

  private:
    SDL_AudioSpec spec_;
    Uint8* data_;
    Uint32 length_;
};

// Decodes a wave file, or nothing when it is unreadable, too large or not a valid wave.
std::optional<LoadedWave> loadWave(const std::string& path);

}  // namespace korvane
