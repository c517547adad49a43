#pragma once

#include <string>

#include "logbook/database.h"

namespace korvane::logbook {

// Why a file could not be used, as the player would say it: the disk is full, it is mounted
// read-only, the path is too long... SQLite's own words only where nothing plainer is known.
std::string plainReason(const DatabaseError& error);

}  // namespace korvane::logbook
