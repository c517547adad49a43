#include "logbook/file_look.h"

#include <sqlite3.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>

#include "logbook/database.h"
#include "logbook/plain_words.h"
#include "logbook/schema.h"

namespace korvane::logbook {

namespace {

namespace fs = std::filesystem;
using Kind = FileLook::Kind;
using Columns = std::map<std::string, std::set<std::string>>;

constexpr std::size_t kHeaderBytes = 100;
constexpr std::size_t kUserVersionAt = 60;

std::optional<FileLook> notRegular(const std::string& path) {
    for (const char* log : {"", "-wal", "-shm"}) {
        std::error_code error;
        const fs::file_status status = fs::status(path + log, error);
        if (!fs::exists(status) || fs::is_regular_file(status)) continue;
        const std::string whose = *log != '\0' ? std::string("its ") + log + " is " : "it is ";
        return FileLook{Kind::Unusable, 0,
                        whose + fileTypeName(status.type()) + ", not a regular file"};
    }
    return std::nullopt;
}

std::uintmax_t sizeOf(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    return error ? 0 : size;
}

std::optional<FileLook> outOfRange(int version) {
    if (version < 0) {
        return FileLook{Kind::Unusable, version,
                        "its version, " + std::to_string(version) + ", is one no game writes"};
    }
    if (version > kSchemaVersion) {
        return FileLook{Kind::Newer, version, "it is from a newer version of the game"};
    }
    return std::nullopt;
}

Columns columnsOf(Database& db) {
    Statement columns(db,
                      "SELECT m.name, p.name FROM sqlite_schema m, pragma_table_info(m.name) p "
                      "WHERE m.type = 'table'");
    Columns found;
    while (columns.step()) found[columns.text(0)].insert(columns.text(1));
    return found;
}

// Each table's columns at VERSION, as the schema's steps make them.
Columns columnsAt(int version) {
    Database db(":memory:", Database::Mode::ReadWrite);
    for (int step = 0; step < version; ++step) db.exec(schemaSteps()[std::size_t(step)]);
    return columnsOf(db);
}

std::optional<std::string> missingColumn(const Columns& found, int version) {
    for (const auto& [table, columns] : columnsAt(version)) {
        const auto there = found.find(table);
        if (there == found.end()) return "it has no " + table + " table";
        for (const std::string& column : columns) {
            if (!there->second.contains(column)) {
                return "its " + table + " table has no column " + column;
            }
        }
    }
    return std::nullopt;
}

bool whole(Database& db) {
    Statement check(db, "PRAGMA quick_check");
    return !check.step() || check.text(0) == "ok";
}

int userVersion(Database& db) {
    Statement version(db, "PRAGMA user_version");
    return version.step() ? static_cast<int>(version.integer(0)) : 0;
}

// Through a reader's connection, which sees the -wal too and takes the locks other games do.
FileLook readAsIs(const std::string& path) {
    Database db(path, Database::Mode::ReadOnly);
    const int version = userVersion(db);
    if (auto look = outOfRange(version)) return *look;
    if (!whole(db)) return {Kind::Damaged, version, "it fails SQLite's check"};
    const Columns found = columnsOf(db);
    if (version == 0) {
        if (found.empty()) return {};
        return {Kind::Foreign, 0, "it is another program's database"};
    }
    if (auto missing = missingColumn(found, version)) return {Kind::Foreign, version, *missing};
    return {Kind::Ours, version, {}};
}

// PATH and its rollback journal copied beside it, removed again when done.
class JournalCopy {
  public:
    explicit JournalCopy(const std::string& path) : file_(path + "-look") {
        remove();
        try {
            fs::copy_file(path, file_);
            fs::copy_file(path + "-journal", file_ + "-journal");
        } catch (...) {
            remove();
            throw;
        }
    }
    ~JournalCopy() { remove(); }
    JournalCopy(const JournalCopy&) = delete;
    JournalCopy& operator=(const JournalCopy&) = delete;

    const std::string& file() const { return file_; }

  private:
    void remove() const {
        std::error_code error;
        for (const char* log : {"", "-journal", "-wal", "-shm"}) fs::remove(file_ + log, error);
    }

    std::string file_;
};

// A game that died while making its file can leave a rollback journal that only a writer may play
// back: it is played back on a copy, so a journal not the file's own changes nothing of it.
FileLook readThroughCopy(const std::string& path) {
    const JournalCopy copy(path);
    Database(copy.file(), Database::Mode::ReadWrite).exec("PRAGMA user_version");
    return readAsIs(copy.file());
}

bool damaged(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

}  // namespace

std::optional<std::int32_t> headerVersion(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return std::nullopt;  // a FIFO would hold the read
    std::array<char, kHeaderBytes> header{};
    std::ifstream file(path, std::ios::binary);
    if (!file.read(header.data(), header.size())) return std::nullopt;
    if (std::memcmp(header.data(), "SQLite format 3", 16) != 0) return std::nullopt;
    std::uint32_t version = 0;
    for (std::size_t i = kUserVersionAt; i < kUserVersionAt + 4; ++i) {
        version = version << 8 | static_cast<unsigned char>(header[i]);
    }
    return static_cast<std::int32_t>(version);
}

FileLook lookAtFile(const std::string& path) {
    std::error_code error;
    if (fs::absolute(path, error).string().size() > kLongestPath) {
        return {Kind::Unusable, 0,
                "the path is too long: at most " + std::to_string(kLongestPath) + " bytes"};
    }
    if (auto look = notRegular(path)) return *look;
    const bool logged = sizeOf(path + "-wal") > 0;
    if (!fs::exists(path, error)) {
        if (logged) return {Kind::Damaged, 0, "a -wal was there without its logbook"};
        return {};
    }
    // A journal left beside the file may need playing back first, which only a writer may do.
    const bool journal = sizeOf(path + "-journal") > 0;
    std::optional<std::int32_t> version;
    if (!journal && sizeOf(path) > 0) {
        version = headerVersion(path);
        if (!version) return {Kind::Damaged, 0, "it is not an SQLite database"};
        if (auto look = outOfRange(*version)) return *look;
    } else if (!journal && !logged) {
        return {};
    }
    try {
        const FileLook look = journal ? readThroughCopy(path) : readAsIs(path);
        // A logbook that reads as something else through its -wal has another file's -wal.
        const bool ours = version.value_or(0) > 0;
        if (ours && logged && look.kind != Kind::Ours) {
            return {Kind::Damaged, look.version, "its -wal is another database's"};
        }
        return look;
    } catch (const DatabaseError& e) {
        if (!damaged(e.code())) throw;
        return {Kind::Damaged, 0, plainReason(e)};
    }
}

}  // namespace korvane::logbook
