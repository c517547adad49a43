#pragma once

#include <span>
#include <string>
#include <string_view>

namespace korvane::logbook {

// The logbook file's schema version, kept in PRAGMA user_version; 0 is a new, empty file.
inline constexpr int kSchemaVersion = 4;

// The SQL that takes a file from each version to the next: step i takes version i to i + 1.
// Each step runs in one transaction with the user_version it reaches.
std::span<const char* const> schemaSteps();

// A SELECT of every run of a version-2 run table FROM as the newest version keeps them.
std::string runsAsCodesSql(std::string_view from);

}  // namespace korvane::logbook
