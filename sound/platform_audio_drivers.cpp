#include "sound/audio_drivers.h"

#ifdef __linux__
#include <fstream>
#endif

namespace korvane {

#ifdef __linux__

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

#else

// Elsewhere the system has one sound service, and SDL's own order already tries it first.
std::string preferredAudioDrivers() {
    return {};
}

#endif

}  // namespace korvane
