#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "logbook/database.h"

namespace korvane::logbook {

// What becomes of this session's runs.
enum class LogbookState {
    Writing,   // kept in the file
    ReadOnly,  // the file is a newer game's: shown, never written
    Off,       // not kept at all
};

// The logbook as opened, with the one line that tells the player what went wrong (empty when
// nothing did).
struct Opened {
    LogbookState state = LogbookState::Off;
    std::string line;
    std::string path;
    std::unique_ptr<Database> database;
    bool busy = false;  // another program held the file: worth trying again
};

// Opens the logbook at PATH, making its folder and bringing its schema up to date; the file is
// looked at first and changed only when it is ours. A damaged file is set aside with its -wal
// and -shm under a name dated NOW (UTC) and a new one started; a newer game's file is shown
// only; another program's database, a file that is not a regular one or cannot be written
// leaves it Off.
Opened openLogbook(const std::string& path, std::chrono::system_clock::time_point now);

// The name a damaged logbook is set aside under: "logbook.sqlite.damaged-2026-12-08T061500".
std::string asideName(const std::string& path, std::chrono::system_clock::time_point now);

}  // namespace korvane::logbook
