#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace korvane::logbook {

// What the file at a logbook's path is, found by reading it (and its -wal) without changing a
// byte: no write, no checkpoint, nothing made beside it but SQLite's shared-memory index.
struct FileLook {
    enum class Kind {
        New,       // missing, empty, or a database with no tables yet
        Ours,      // a logbook at a version this game writes, whole with its -wal
        Newer,     // a logbook at a version above this game's
        Unusable,  // not to be opened at all: a FIFO, a device, a version below 0, a long path
        Foreign,   // another program's database
        Damaged,   // not a database, or one that fails its check with its -wal
    };
    Kind kind = Kind::New;
    int version = 0;
    std::string why;  // in plain words, for all but New and Ours
};

// The version in the file's own header, read as bytes; nothing when it is no SQLite database.
std::optional<std::int32_t> headerVersion(const std::string& path);

// Throws DatabaseError only when the file could not be read for now (SQLITE_BUSY, ...).
FileLook lookAtFile(const std::string& path);

// The longest absolute path SQLite opens with its "-journal" beside it.
inline constexpr std::size_t kLongestPath = 503;

}  // namespace korvane::logbook
