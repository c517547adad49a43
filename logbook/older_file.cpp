#include "logbook/older_file.h"

#include "logbook/session_summary.h"

namespace korvane::logbook {

namespace {

// Temporary names come before the file's: "run" is then the view, with no start delays.
constexpr const char* kVersion1AsNewest = R"sql(
CREATE TEMP VIEW run AS SELECT *, NULL AS start_delay FROM main.run;
CREATE TEMP TABLE session_tree (
    session, tree, runs, clean, early, staging, best, median, total, squares, within,
    PRIMARY KEY (session, tree)
);
)sql";

int userVersion(Database& db) {
    Statement version(db, "PRAGMA user_version");
    return version.step() ? static_cast<int>(version.integer(0)) : 0;
}

}  // namespace

void readAsNewest(Database& db) {
    if (userVersion(db) != 1) return;
    db.exec(kVersion1AsNewest);
    db.exec(summarySql("1").c_str());
}

}  // namespace korvane::logbook
