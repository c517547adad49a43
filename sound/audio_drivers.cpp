#include "sound/audio_drivers.h"

#include <cstdlib>

namespace korvane {

bool audioDriverChosenByPlayer() {
    const char* chosen = std::getenv("SDL_AUDIODRIVER");
    return chosen != nullptr && *chosen != '\0';
}

bool pulseAudioComesFirst() {
    const std::string drivers =
        audioDriverChosenByPlayer() ? std::getenv("SDL_AUDIODRIVER") : preferredAudioDrivers();
    return drivers.substr(0, drivers.find(',')) == "pulseaudio";
}

}  // namespace korvane
