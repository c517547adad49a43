#include "sound/audio_drivers.h"

#ifdef __linux__
#include <fstream>

#include "sound/pipewire_server.h"
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
    // Without its server PipeWire's client library, like ALSA's, complains on stderr.
    const std::string servers = pipeWireServerRuns() ? "pulseaudio,pipewire" : "pulseaudio";
    return soundCardPresent() ? servers + ",alsa" : servers;
}

#else

// Elsewhere the system has one sound service, and SDL's own order already tries it first.
std::string preferredAudioDrivers() {
    return {};
}

#endif

}  // namespace korvane
