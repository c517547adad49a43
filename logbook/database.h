#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace korvane::logbook {

// What SQLite said went wrong, with its result code (SQLITE_BUSY, SQLITE_NOTADB, ...) and the
// system's errno behind it (0 when none).
class DatabaseError : public std::runtime_error {
  public:
    DatabaseError(int code, const std::string& message, int systemError = 0);
    int code() const { return code_; }
    int systemError() const { return systemError_; }

  private:
    int code_;
    int systemError_;
};

// How the player would name a kind of file: "a FIFO", "a folder".
std::string fileTypeName(std::filesystem::file_type type);

// One connection to an SQLite file; every failure throws DatabaseError.
class Database {
  public:
    // Untouched reads the file alone, as it is on disk: no lock, no log beside it read or made.
    enum class Mode { ReadWrite, ReadOnly, Untouched };

    // Opens PATH, creating it in ReadWrite mode when missing; waits up to a second for a lock
    // another connection holds. Anything but a regular file is refused before it is opened.
    Database(const std::string& path, Mode mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs SQL, one statement or several, without results.
    void exec(const char* sql);
    sqlite3* handle() const { return db_; }

  private:
    sqlite3* db_ = nullptr;
};

// One prepared statement: bind from 1, step through the rows, read columns from 0.
class Statement {
  public:
    Statement(Database& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, long long value);
    Statement& bind(int index, double value);
    Statement& bind(int index, std::string_view value);
    Statement& bind(int index, std::optional<long long> value);
    // Runs to the next row: true when there is one, false when done.
    bool step();
    // Ready to run again, bindings kept.
    void reset();

    bool isNull(int column) const;
    long long integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;

  private:
    void check(int result) const;

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

}  // namespace korvane::logbook
