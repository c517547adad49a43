#include "sound/audio_drivers.h"

#include <cstdlib>
#include <fstream>

#include "sound/pipewire_server.h"

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
    // Without its server PipeWire's client library, like ALSA's, complains on stderr.
    const std::string servers = pipeWireServerRuns() ? "pulseaudio,pipewire" : "pulseaudio";
    return soundCardPresent() ? servers + ",alsa" : servers;
}

bool audioDriverChosenByPlayer() {
    const char* chosen = std::getenv("SDL_AUDIODRIVER");
    return chosen != nullptr && *chosen != '\0';
}

}  // namespace korvane
