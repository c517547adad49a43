#include "logbook/older_file.h"

#include <sqlite3.h>

#include <set>
#include <string>

#include "logbook/file_look.h"
#include "logbook/schema.h"
#include "logbook/session_summary.h"

namespace korvane::logbook {

namespace {

// Temporary names come before the file's: "run" is then the view, its words read as codes and
// the columns later versions added left empty.
// The columns of a version-2 run table, in its order.
constexpr const char* kVersion2Columns[] = {
    "session", "run",   "at",     "utc_offset", "tree",   "level",      "roll_out",
    "rt",      "onset", "player", "computer",   "result", "start_delay"};
constexpr const char* kLaterColumns = "SELECT *, NULL AS car_delay, NULL AS release_offset FROM ";
constexpr const char* kVersion1Figures = R"sql(
CREATE TEMP TABLE session_tree (
    session, tree, runs, clean, early, staging, best, median, total, squares, within,
    PRIMARY KEY (session, tree)
);
)sql";

// The file's runs with each version-2 column it lacks as NULL (version 1 had no start delay; a cut
// table reads as far as it goes).
std::string version2Runs(Database& db) {
    std::set<std::string> present;
    Statement columns(db, "SELECT name FROM pragma_table_info('run', 'main')");
    while (columns.step()) present.insert(columns.text(0));
    std::string sql = "(SELECT ";
    for (const std::string column : kVersion2Columns) {
        if (column != kVersion2Columns[0]) sql += ", ";
        sql += present.contains(column) ? column : "NULL AS " + column;
    }
    return sql + " FROM main.run)";
}

int userVersion(Database& db) {
    Statement version(db, "PRAGMA user_version");
    return version.step() ? static_cast<int>(version.integer(0)) : 0;
}

}  // namespace

void readAsNewest(Database& db) {
    const int version = userVersion(db);
    if (version < 1 || version > 3) return;
    const std::string runs =
        version == 3 ? std::string("main.run") : "(" + runsAsCodesSql(version2Runs(db)) + ")";
    db.exec(("CREATE TEMP VIEW run AS " + std::string(kLaterColumns) + runs).c_str());
    if (version != 1) return;
    db.exec(kVersion1Figures);
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
