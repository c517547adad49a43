#include "sound/pipewire_server.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace korvane {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

bool pipeWireServerRuns() {
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

}  // namespace korvane
