#pragma once

#include <string>

namespace korvane::logbook {

// Where the game keeps its logbook: $XDG_DATA_HOME/korvane/logbook.sqlite, or
// ~/.local/share/korvane/logbook.sqlite without it; empty when neither is set.
std::string defaultLogbookPath();

}  // namespace korvane::logbook
