#include "logbook/schema.h"

#include <array>

namespace korvane::logbook {

namespace {

// Times are UTC milliseconds since 1970 with the local offset in minutes beside them; a run
// keeps its R/T in the whole milliseconds the slip shows, and the board's texts as plain
// decimals ("" where the board showed nothing).
constexpr const char* kVersion1 = R"sql(
CREATE TABLE session (
    id INTEGER PRIMARY KEY,
    started INTEGER NOT NULL,
    utc_offset INTEGER NOT NULL,
    ended INTEGER NOT NULL,
    version TEXT NOT NULL
) STRICT;
CREATE TABLE run (
    session INTEGER NOT NULL REFERENCES session (id),
    run INTEGER NOT NULL,
    at INTEGER NOT NULL,
    utc_offset INTEGER NOT NULL,
    tree INTEGER NOT NULL CHECK (tree IN (0, 1)),
    level TEXT NOT NULL,
    roll_out INTEGER NOT NULL,
    rt INTEGER,
    onset TEXT NOT NULL,
    player TEXT NOT NULL,
    computer TEXT NOT NULL,
    result TEXT NOT NULL,
    PRIMARY KEY (session, run)
) STRICT, WITHOUT ROWID;
)sql";

constexpr std::array<const char*, kSchemaVersion> kSteps{kVersion1};

}  // namespace

std::span<const char* const> schemaSteps() {
    return kSteps;
}

}  // namespace korvane::logbook
