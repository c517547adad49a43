#include "logbook/schema.h"

#include <array>
#include <string>

#include "logbook/session_summary.h"

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

// The practice start delay in milliseconds (none when the setting was off), and each session's
// figures per tree (and both, as tree 2) kept beside its runs so that History reads no run.
constexpr const char* kVersion2 = R"sql(
ALTER TABLE run ADD COLUMN start_delay INTEGER;
CREATE TABLE session_tree (
    session INTEGER NOT NULL REFERENCES session (id),
    tree INTEGER NOT NULL CHECK (tree IN (0, 1, 2)),
    runs INTEGER NOT NULL,
    clean INTEGER NOT NULL,
    early INTEGER NOT NULL,
    staging INTEGER NOT NULL,
    best INTEGER,
    median REAL,
    total INTEGER NOT NULL,
    squares INTEGER NOT NULL,
    within INTEGER NOT NULL,
    PRIMARY KEY (session, tree)
) STRICT, WITHOUT ROWID;
)sql";

// The car delay in milliseconds (none when it was off) and the release's offset from the green
// as the R/T counts it, in the slip's whole milliseconds (none without an R/T): the R/T less the
// car delay.
constexpr const char* kVersion3 = R"sql(
ALTER TABLE run ADD COLUMN car_delay INTEGER;
ALTER TABLE run ADD COLUMN release_offset INTEGER;
)sql";

}  // namespace

std::span<const char* const> schemaSteps() {
    static const std::string version2 = std::string(kVersion2) + summarySql("1") + ";";
    static const std::array<const char*, kSchemaVersion> steps{kVersion1, version2.c_str(),
                                                               kVersion3};
    return steps;
}

}  // namespace korvane::logbook
