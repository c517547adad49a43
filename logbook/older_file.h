#pragma once

#include "logbook/database.h"

namespace korvane::logbook {

// A connection to a file an older game left (one this game could not bring up to date) made to
// read as the newest: its missing columns and session figures are put in the connection's
// temporary schema, the file untouched. Nothing happens on a file at the newest version.
void readAsNewest(Database& db);

}  // namespace korvane::logbook
