#include "logbook/opening.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "logbook/file_look.h"
#include "logbook/plain_words.h"
#include "logbook/schema.h"

namespace korvane::logbook {

namespace {

namespace fs = std::filesystem;

int userVersion(Database& db) {
    Statement version(db, "PRAGMA user_version");
    return version.step() ? static_cast<int>(version.integer(0)) : 0;
}

// Each step in its own transaction, the version read again inside it: another game opening the
// same new file at once may have taken it there first.
void migrate(Database& db) {
    const auto steps = schemaSteps();
    for (;;) {
        db.exec("BEGIN IMMEDIATE");
        try {
            const int version = userVersion(db);
            if (version >= kSchemaVersion) {
                db.exec("COMMIT");
                return;
            }
            // Changed by another program since it was looked at: no step is taken from it.
            if (version < 0) throw DatabaseError(SQLITE_MISMATCH, "its version changed");
            db.exec(steps[static_cast<std::size_t>(version)]);
            db.exec(("PRAGMA user_version = " + std::to_string(version + 1)).c_str());
            db.exec("COMMIT");
        } catch (const DatabaseError&) {
            sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    }
}

// A migration that rebuilt a table leaves its old pages free inside the file: they are given
// back once, here at the start. Best effort: another game reading the file at once keeps them.
void giveBackFreedPages(Database& db) {
    try {
        db.exec("VACUUM");
    } catch (const DatabaseError&) {
    }
}

// Opens a file looked at and found ours, or none yet, for writing and brings it up to date.
Opened openFile(const std::string& path) {
    Opened opened;
    opened.path = path;
    opened.database = std::make_unique<Database>(path, Database::Mode::ReadWrite);
    Database& db = *opened.database;
    if (sqlite3_db_readonly(db.handle(), "main") == 1) {
        throw DatabaseError(SQLITE_READONLY, "the file is read-only");
    }
    // A commit is in the write-ahead log before the call returns: a killed game loses nothing.
    db.exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON");
    const int version = userVersion(db);
    migrate(db);
    if (version > 0 && version < kSchemaVersion) giveBackFreedPages(db);
    opened.state = LogbookState::Writing;
    return opened;
}

// Moves the file and its log files aside, never deleting them; returns the new name.
std::string setAside(const std::string& path, std::chrono::system_clock::time_point now) {
    const std::string base = asideName(path, now);
    std::string aside = base;
    for (int n = 2; fs::exists(aside) || fs::exists(aside + "-wal"); ++n) {
        aside = base + "-" + std::to_string(n);
    }
    for (const char* log : {"", "-wal", "-shm", "-journal"}) {
        if (fs::exists(path + log)) fs::rename(path + log, aside + log);
    }
    return aside;
}

bool busy(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

// A logbook kept off for the session, with the one line that says why: WHAT is said of PATH.
Opened notKept(const std::string& path, const std::string& what) {
    Opened opened;
    opened.path = path;
    opened.line = "korvane: " + what + "; this session's runs are not being kept";
    return opened;
}

Opened off(const std::string& path, const std::string& reason) {
    return notKept(path, "cannot keep the runs in " + path + " (" + reason + ")");
}

std::string systemWords(const std::error_code& error) {
    return plainReason(DatabaseError(SQLITE_CANTOPEN, error.message(), error.value()));
}

// SQLite tells of the read-only open it tries after a refused create ("no such file"): the
// create's own errno says why (a read-only disk, a folder the player may not write).
int whyNotMade(const std::string& path) {
    std::error_code error;
    if (fs::exists(path, error)) return 0;
    std::FILE* made = std::fopen(path.c_str(), "wbx");
    if (made == nullptr) return errno;
    std::fclose(made);
    fs::remove(path, error);
    return 0;
}

Opened failed(const std::string& path, const DatabaseError& error) {
    const int why = (error.code() & 0xff) == SQLITE_CANTOPEN ? whyNotMade(path) : 0;
    Opened opened =
        off(path, plainReason(why != 0 ? DatabaseError(error.code(), error.what(), why) : error));
    opened.busy = busy(error.code());
    return opened;
}

Opened shownOnly(const std::string& path) {
    Opened opened;
    opened.path = path;
    opened.state = LogbookState::ReadOnly;
    opened.line = "korvane: the logbook " + path + " is from a newer version of the game; " +
                  "it is shown but this session's runs are not being kept";
    return opened;
}

Opened leftAlone(const std::string& path, const std::string& why) {
    return notKept(path, "the logbook " + path + " is left as it is (" + why + ")");
}

Opened startedAfresh(const std::string& path, std::chrono::system_clock::time_point now) {
    const std::string aside = setAside(path, now);
    Opened opened = openFile(path);
    opened.line = "korvane: the logbook " + path + " was damaged; it was set aside as " + aside +
                  " and a new logbook started";
    return opened;
}

Opened openLooked(const std::string& path, std::chrono::system_clock::time_point now) {
    using Kind = FileLook::Kind;
    const FileLook look = lookAtFile(path);
    switch (look.kind) {
        case Kind::New:
        case Kind::Ours:
            return openFile(path);
        case Kind::Newer:
            return shownOnly(path);
        case Kind::Unusable:
            return off(path, look.why);
        case Kind::Foreign:
            return leftAlone(path, look.why);
        case Kind::Damaged:
            return startedAfresh(path, now);
    }
    return off(path, look.why);
}

}  // namespace

std::string asideName(const std::string& path, std::chrono::system_clock::time_point now) {
    const auto day = std::chrono::floor<std::chrono::days>(now);
    const std::chrono::year_month_day date(day);
    const std::chrono::hh_mm_ss time(std::chrono::floor<std::chrono::seconds>(now - day));
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02u-%02uT%02d%02d%02d", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()));
    return path + ".damaged-" + stamp;
}

Opened openLogbook(const std::string& path, std::chrono::system_clock::time_point now) {
    std::error_code error;
    const fs::path folder = fs::path(path).parent_path();
    if (!folder.empty()) fs::create_directories(folder, error);
    if (error) return off(path, folder.string() + ": " + systemWords(error));
    try {
        return openLooked(path, now);
    } catch (const DatabaseError& e) {
        return failed(path, e);
    } catch (const fs::filesystem_error& e) {
        return off(path, systemWords(e.code()));
    }
}

}  // namespace korvane::logbook
