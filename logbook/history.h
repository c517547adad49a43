#pragma once

#include <optional>
#include <string>
#include <vector>

#include "logbook/database.h"
#include "session/race_record.h"
#include "session/session_figures.h"

namespace korvane::logbook {

// The car delays a session's runs on a tree were released with, in milliseconds (0 for none).
struct CarDelays {
    int low = 0;
    int high = 0;

    bool operator==(const CarDelays&) const = default;
};

// One tree played in one session, with the figures treeFigures and countedFigures give its runs.
struct SessionTree {
    long long session = 0;
    long long started = 0;  // UTC milliseconds since 1970
    int utcOffset = 0;      // minutes
    Tree tree = Tree::Standard;
    int clean = 0;
    TreeFigures figures;
    CountedFigures counted;
    CarDelays carDelays;

    bool operator==(const SessionTree&) const = default;
};

// The quickest clean reaction ever on a tree, and when its run was (the first, on a tie).
struct PersonalBest {
    Tree tree = Tree::Standard;
    long long rt = 0;
    long long at = 0;  // UTC milliseconds since 1970
    int utcOffset = 0;

    bool operator==(const PersonalBest&) const = default;
};

// One session's median clean R/T on a tree, or both, and the share of its runs started early.
struct TrendPoint {
    long long started = 0;  // UTC milliseconds since 1970
    int utcOffset = 0;
    std::optional<double> median;
    double earlyShare = 0;
    long long session = 0;
    std::optional<Tree> tree;  // none for both trees together

    bool operator==(const TrendPoint&) const = default;
};

// What the logbook holds, worked out in SQL without loading its runs.
struct History {
    // Every session, newest first, a row for each tree played in it (Standard before Pro).
    std::vector<SessionTree> sessions;
    // A best for each tree with a clean reaction, Standard first.
    std::vector<PersonalBest> bests;
    // A point for each tree played in each session and one for both, oldest first.
    std::vector<TrendPoint> trend;

    bool operator==(const History&) const = default;
};

// The sessions numbered FROM_SESSION on, with the bests among them.
History readHistory(Database& db, long long fromSession = 0);
// KEPT brought up to date: the sessions from its newest on read again, the rest kept as they
// are (a session gains runs only while it is the newest); read whole from another file.
History updateHistory(Database& db, const History& kept);
// Each tree's best among SESSIONS, with the date of the first run that set it.
std::vector<PersonalBest> personalBests(Database& db, const std::vector<SessionTree>& sessions);

// A moment as its local date and time, "2026-12-08 14:05".
std::string localDateTime(long long utcMillis, int utcOffsetMinutes);
// Its local date alone, "2026-12-08".
std::string localDate(long long utcMillis, int utcOffsetMinutes);

}  // namespace korvane::logbook
