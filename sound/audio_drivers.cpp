#include "sound/audio_drivers.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace korvane {

namespace {

// The kernel's list of sound cards says "--- no soundcards ---" when there are none.
bool soundCardPresent() {
    std::ifstream cards("/proc/asound/cards");
    std::string first;
    return std::getline(cards, first) && first.find("no soundcards") == std::string::npos;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Where PipeWire's client library looks for its server: PIPEWIRE_REMOTE names the socket,
// in PIPEWIRE_RUNTIME_DIR or else XDG_RUNTIME_DIR unless it is a whole path.
bool pipeWireServerPresent() {
    std::string socket = environment("PIPEWIRE_REMOTE");
    if (socket.empty()) socket = "pipewire-0";
    std::string folder = environment("PIPEWIRE_RUNTIME_DIR");
    if (folder.empty()) folder = environment("XDG_RUNTIME_DIR");
    if (socket.front() != '/') {
        if (folder.empty()) return false;
        socket = folder + "/" + socket;
    }
    std::error_code error;
    return std::filesystem::exists(socket, error);
}

}  // namespace

std::string preferredAudioDrivers() {
    std::string drivers = "pulseaudio";
    if (pipeWireServerPresent()) drivers += ",pipewire";
    if (soundCardPresent()) drivers += ",alsa";
    return drivers;
}

bool audioDriverChosenByPlayer() {
    const char* chosen = std::getenv("SDL_AUDIODRIVER");
    return chosen != nullptr && *chosen != '\0';
}

}  // namespace korvane
