#include "sound/audio_drivers.h"

#include <cstdlib>
#include <fstream>

namespace korvane {

namespace {

// The kernel's list of sound cards says "--- no soundcards ---" when there are none.
bool soundCardPresent() {
    std::ifstream cards("/proc/asound/cards");
    std::string first;
    return std::getline(cards, first) && first.find("no soundcards") == std::string::npos;
}

}  // namespace

std::string preferredAudioDrivers() {
    return soundCardPresent() ? "pulseaudio,pipewire,alsa" : "pulseaudio,pipewire";
}

bool audioDriverChosenByPlayer() {
    const char* chosen = std::getenv("SDL_AUDIODRIVER");
    return chosen != nullptr && *chosen != '\0';
}

}  // namespace korvane
