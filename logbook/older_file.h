#pragma once

#include <memory>
#include <string>

#include "logbook/database.h"

namespace korvane::logbook {

// A connection to a file an older game left (one this game could not bring up to date) made to
// read as the newest: its missing columns and session figures are put in the connection's
// temporary schema, the file untouched. Nothing happens on a file at the newest version.
void readAsNewest(Database& db);

// A connection for reading the logbook at PATH, made to read as the newest. A newer game's file
// is read as it is on disk, no -wal or -shm made beside it; a version no game writes is refused.
std::unique_ptr<Database> openForReading(const std::string& path);

}  // namespace korvane::logbook
