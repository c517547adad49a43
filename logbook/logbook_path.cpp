#include "logbook/logbook_path.h"

#include <cstdlib>

namespace korvane::logbook {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

std::string defaultLogbookPath() {
    std::string data = environment("XDG_DATA_HOME");
    // The XDG rules ignore a relative path.
    if (data.empty() || data.front() != '/') {
        const std::string home = environment("HOME");
        if (home.empty()) return {};
        data = home + "/.local/share";
    }
    return data + "/korvane/logbook.sqlite";
}

}  // namespace korvane::logbook
