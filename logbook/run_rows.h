#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "logbook/database.h"
#include "session/race_record.h"

namespace korvane::logbook {

// The session and run rows one writer keeps, each statement prepared once.
class RunRows {
  public:
    RunRows(Database& db, std::string version, std::chrono::system_clock::time_point started);

    // Writes RUN, or updates its R/T and onset when it is there already, in the session begun
    // with the first run kept; the session's end moves to the run.
    void keep(const RaceRecord& run);
    // The session ends now, if it was begun.
    void end(std::chrono::system_clock::time_point at);

  private:
    Database& db_;
    std::string version_;
    std::chrono::system_clock::time_point started_;
    std::optional<long long> session_;
    Statement addSession_;
    Statement upsertRun_;
    Statement endSession_;
};

// Milliseconds since 1970 on the wall clock.
long long utcMillis(std::chrono::system_clock::time_point at);

}  // namespace korvane::logbook
