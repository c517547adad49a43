#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "logbook/database.h"
#include "logbook/session_summary.h"
#include "session/race_record.h"

namespace korvane::logbook {

// The session and run rows one writer keeps, each statement prepared once.
class RunRows {
  public:
    RunRows(Database& db, std::string version, std::chrono::system_clock::time_point started);

    // Writes RUN, or updates its R/T, onset and start delay when it is there already, in the
    // session begun with the first run kept; the session's end moves to the run.
    void keep(const RaceRecord& run);
    // The session's figures written again from its runs, after the runs kept.
    void summarise();
    // The session ends now, if it was begun.
    void end(std::chrono::system_clock::time_point at);
    // The transaction of the runs kept since the last call was undone: a session begun in it
    // is begun again with the next run.
    void rolledBack();
    void committed() { sessionCommitted_ = session_.has_value(); }

  private:
    Database& db_;
    std::string version_;
    std::chrono::system_clock::time_point started_;
    std::optional<long long> session_;
    bool sessionCommitted_ = false;
    Statement addSession_;
    Statement upsertRun_;
    Statement endSession_;
    SessionSummary summary_;
};

// Milliseconds since 1970 on the wall clock.
long long utcMillis(std::chrono::system_clock::time_point at);

}  // namespace korvane::logbook
