#include "logbook/older_file.h"

#include <sqlite3.h>

#include "logbook/file_look.h"
#include "logbook/schema.h"
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

std::unique_ptr<Database> openForReading(const std::string& path) {
    const int version = headerVersion(path).value_or(0);
    if (version < 0) {
        throw DatabaseError(SQLITE_CANTOPEN,
                            "its version, " + std::to_string(version) + ", is one no game writes");
    }
    const auto mode =
        version > kSchemaVersion ? Database::Mode::Untouched : Database::Mode::ReadOnly;
    auto db = std::make_unique<Database>(path, mode);
    readAsNewest(*db);
    return db;
}

}  // namespace korvane::logbook
