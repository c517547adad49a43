#include "logbook/plain_words.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

namespace korvane::logbook {

namespace {

struct Plain {
    int code;   // SQLite's primary result code, or 0 for any
    int error;  // errno, or 0 for any
    const char* words;
};

// The first row that matches says it; errno speaks before SQLite's code.
constexpr Plain kPlain[] = {
    {0, ENOSPC, "the disk is full"},
    {0, EDQUOT, "the disk quota is used up"},
    {SQLITE_FULL, 0, "the disk is full"},
    {0, EROFS, "the disk is mounted read-only"},
    {0, ENAMETOOLONG, "the path is too long"},
    {0, EACCES, "permission denied: the file or its folder may not be written"},
    {0, EPERM, "permission denied: the file or its folder may not be written"},
    {SQLITE_READONLY, 0, "the file or its folder is read-only"},
    {0, ENOENT, "there is no such file or folder"},
    {SQLITE_BUSY, 0, "another program is holding the file"},
    {SQLITE_LOCKED, 0, "another program is holding the file"},
    {SQLITE_CORRUPT, 0, "the file is damaged"},
    {SQLITE_NOTADB, 0, "the file is not a logbook"},
};

// Only where the system refused: after another failure the last errno is an old one.
int systemCause(int code, int error) {
    for (const int os :
         {SQLITE_CANTOPEN, SQLITE_IOERR, SQLITE_FULL, SQLITE_READONLY, SQLITE_PERM}) {
        if (code == os) return error;
    }
    return 0;
}

}  // namespace

std::string plainReason(const DatabaseError& error) {
    const int code = error.code() & 0xff;
    const int cause = systemCause(code, error.systemError());
    for (const Plain& plain : kPlain) {
        const bool codeMatches = plain.code == 0 || plain.code == code;
        const bool errorMatches = plain.error == 0 || plain.error == cause;
        if (codeMatches && errorMatches) return plain.words;
    }
    if (cause != 0) return std::strerror(cause);
    return error.what();
}

}  // namespace korvane::logbook
