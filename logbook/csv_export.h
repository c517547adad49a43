#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "logbook/database.h"

namespace korvane::logbook {

// Every run in the logbook as comma-separated values (RFC 4180: a header row, CRLF line ends,
// fields quoted where they need it), oldest session first: times in ISO 8601 UTC beside the
// local offset, the R/T and the practice start delay in whole milliseconds (empty where none), the
// rest as the slip shows it. A column the file lacks leaves its field empty.
// Each row goes to WRITE as it is read, so that no more than a row is ever held; WRITE returns
// false when it could not take a row, which ends the export. True when every row was taken.
using CsvRows = std::function<bool(std::string_view row)>;
bool exportCsv(Database& db, const CsvRows& write);
void exportCsv(Database& db, std::ostream& out);

// Milliseconds since 1970 as ISO 8601 UTC: "2026-12-08T06:15:00.123Z".
std::string isoUtc(long long millis);
// Minutes east of UTC as ISO 8601: "+01:00", "-05:30".
std::string isoOffset(long long minutes);

}  // namespace korvane::logbook
