#include "logbook/schema.h"

#include <array>
#include <string>
#include <string_view>

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

// Facts, not the slip's words: level, onset and result as the codes of session/run_codes.h, the
// board's times in whole thousandths (NULL where the board showed nothing). A word no game wrote
// becomes level 0 or a NULL result, never another run's fact.
constexpr const char* kVersion3 = R"sql(
CREATE TABLE run3 (
    session INTEGER NOT NULL REFERENCES session (id),
    run INTEGER NOT NULL,
    at INTEGER NOT NULL,
    utc_offset INTEGER NOT NULL,
    tree INTEGER NOT NULL CHECK (tree IN (0, 1)),
    level INTEGER NOT NULL CHECK (level BETWEEN 0 AND 5),
    roll_out INTEGER NOT NULL,
    rt INTEGER,
    onset INTEGER NOT NULL CHECK (onset IN (0, 1, 2)),
    player INTEGER,
    computer INTEGER,
    result INTEGER CHECK (result IN (0, 1, 2)),
    start_delay INTEGER,
    PRIMARY KEY (session, run)
) STRICT, WITHOUT ROWID;
INSERT INTO run3 )sql";
constexpr const char* kVersion3Tail = R"sql(;
DROP TABLE run;
ALTER TABLE run3 RENAME TO run;
)sql";

// The runs of a version-2 table as codes, from the words they were written with then.
constexpr std::string_view kCodesFromWords = R"sql(
SELECT session, run, at, utc_offset, tree,
    CASE level WHEN 'Novice Powder Puff Trophy' THEN 1 WHEN 'Novice Trophy' THEN 2
        WHEN 'Normal' THEN 3 WHEN 'High Roller Race' THEN 4 WHEN 'Race of Champions' THEN 5
        ELSE 0 END AS level,
    roll_out, rt,
    CASE onset WHEN 'sent to screen' THEN 1 WHEN 'shown' THEN 2 ELSE 0 END AS onset,
    CASE WHEN player = '' THEN NULL ELSE CAST(round(CAST(player AS REAL) * 1000) AS INTEGER) END
        AS player,
    CASE WHEN computer = '' THEN NULL
        ELSE CAST(round(CAST(computer AS REAL) * 1000) AS INTEGER) END AS computer,
    CASE result WHEN 'win' THEN 0 WHEN 'loss' THEN 1 WHEN 'red light' THEN 2 END AS result,
    start_delay
FROM
)sql";

// The car delay in milliseconds (none when it was off) and the release's offset from the green
// as the R/T counts it, in the slip's whole milliseconds (none without an R/T): the R/T less the
// car delay.
constexpr const char* kVersion4 = R"sql(
ALTER TABLE run ADD COLUMN car_delay INTEGER;
ALTER TABLE run ADD COLUMN release_offset INTEGER;
)sql";

}  // namespace

std::string runsAsCodesSql(std::string_view from) {
    return std::string(kCodesFromWords) + std::string(from);
}

std::span<const char* const> schemaSteps() {
    static const std::string version2 = std::string(kVersion2) + summarySql("1") + ";";
    static const std::string version3 = kVersion3 + runsAsCodesSql("run") + kVersion3Tail;
    static const std::array<const char*, kSchemaVersion> steps{kVersion1, version2.c_str(),
                                                               version3.c_str(), kVersion4};
    return steps;
}

}  // namespace korvane::logbook
