#pragma once

#include <string>
#include <string_view>

#include "logbook/database.h"

namespace korvane::logbook {

// The session_tree value that stands for both trees of a session together.
inline constexpr int kBothTrees = 2;

// The statement that writes again the session_tree rows of the sessions whose runs match WHERE
// (SQL on the run table, "1" for every session): counts, sums and the median of each tree and of
// both together, worked out from the runs. They are treeFigures' (session/session_figures.h) in
// SQL: change both together; History.EachSessionAndTreeHasTheSlipsFiguresNewestFirst holds them
// equal.
std::string summarySql(std::string_view where);

// One session's rows written again, as the writer does after the runs it adds.
class SessionSummary {
  public:
    explicit SessionSummary(Database& db);
    void write(long long session);

  private:
    Statement write_;
};

}  // namespace korvane::logbook
