#include "logbook/database.h"

#include <sqlite3.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>

namespace korvane::logbook {

namespace {

constexpr int kBusyWaitMs = 1000;
// A run's rows fill a few pages: the file stays in the system's cache, not each connection's.
constexpr const char* kSmallPageCache = "PRAGMA cache_size = -128";

// Pages come one at a time as a connection needs them, not twenty at its first read.
void allocatePagesSingly() {
    static std::once_flag once;
    std::call_once(once, [] { sqlite3_config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0); });
}

[[noreturn]] void fail(sqlite3* db, int code) {
    if (db == nullptr) throw DatabaseError(code, sqlite3_errstr(code));
    throw DatabaseError(code, sqlite3_errmsg(db), sqlite3_system_errno(db));
}

// A FIFO would block the open for good, a device or socket is nobody's logbook.
void requireRegularFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) {
        return;
    }
    throw DatabaseError(SQLITE_CANTOPEN,
                        "it is " + fileTypeName(status.type()) + ", not a regular file");
}

// "file:" and the path with every byte a URI could read otherwise escaped.
std::string untouchedUri(const std::string& path) {
    std::string uri = "file:";
    for (const unsigned char c : path) {
        if (std::isalnum(c) || std::strchr("/-._~", c) != nullptr) {
            uri += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            uri += escaped;
        }
    }
    return uri + "?immutable=1";
}

}  // namespace

DatabaseError::DatabaseError(int code, const std::string& message, int systemError)
    : std::runtime_error(message), code_(code), systemError_(systemError) {}

std::string fileTypeName(std::filesystem::file_type type) {
    using enum std::filesystem::file_type;
    switch (type) {
        case fifo:
            return "a FIFO";
        case block:
            return "a block device";
        case character:
            return "a character device";
        case socket:
            return "a socket";
        case directory:
            return "a folder";
        default:
            return "something else";
    }
}

Database::Database(const std::string& path, Mode mode) {
    requireRegularFile(path);
    const int flags = mode == Mode::ReadWrite  ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                      : mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY
                                               : SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
    allocatePagesSingly();
    const std::string name = mode == Mode::Untouched ? untouchedUri(path) : path;
    const int result = sqlite3_open_v2(name.c_str(), &db_, flags, nullptr);
    if (result != SQLITE_OK) {
        const DatabaseError error(result, sqlite3_errmsg(db_), sqlite3_system_errno(db_));
        sqlite3_close(db_);
        throw error;
    }
    // A reader never writes what it read back into the file, even as the last one to close it.
    if (mode != Mode::ReadWrite) {
        sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyWaitMs);
    // A file that cannot be read says so at its first statement, as it did without this.
    sqlite3_exec(db_, kSmallPageCache, nullptr, nullptr, nullptr);
}

Database::~Database() {
    sqlite3_close_v2(db_);
}

void Database::exec(const char* sql) {
    const int result = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) fail(db_, result);
}

Statement::Statement(Database& db, const char* sql) : db_(db.handle()) {
    check(sqlite3_prepare_v2(db_, sql, -1, &statement_, nullptr));
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

Statement& Statement::bind(int index, long long value) {
    check(sqlite3_bind_int64(statement_, index, value));
    return *this;
}

Statement& Statement::bind(int index, double value) {
    check(sqlite3_bind_double(statement_, index, value));
    return *this;
}

Statement& Statement::bind(int index, std::string_view value) {
    check(sqlite3_bind_text(statement_, index, value.data(), static_cast<int>(value.size()),
                            SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::bind(int index, std::optional<long long> value) {
    if (value) return bind(index, *value);
    check(sqlite3_bind_null(statement_, index));
    return *this;
}

bool Statement::step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) return true;
    if (result == SQLITE_DONE) return false;
    fail(db_, result);
}

void Statement::reset() {
    sqlite3_reset(statement_);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

long long Statement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

double Statement::real(int column) const {
    return sqlite3_column_double(statement_, column);
}

std::string Statement::text(int column) const {
    const auto* text = sqlite3_column_text(statement_, column);
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

void Statement::check(int result) const {
    if (result != SQLITE_OK) fail(db_, result);
}

}  // namespace korvane::logbook
