#pragma once

#include <span>

namespace korvane::logbook {

// The logbook file's schema version, kept in PRAGMA user_version; 0 is a new, empty file.
inline constexpr int kSchemaVersion = 3;

// The SQL that takes a file from each version to the next: step i takes version i to i + 1.
// Each step runs in one transaction with the user_version it reaches.
std::span<const char* const> schemaSteps();

}  // namespace korvane::logbook
