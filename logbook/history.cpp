#include "logbook/history.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace korvane::logbook {

namespace {

// A row a session with each tree's counts and sums side by side: one scan for the counts and
// one sort of the clean reactions by R/T within each session, which ranks them on both trees
// together (k) and on Standard alone (k0, so k - k0 on Pro). The medians are the middle one or
// the mean of the middle two; consistency counts those within 10 ms of them.
constexpr const char* kSessions = R"sql(
WITH totals AS (
    SELECT session, COUNT(*) AS runs, SUM(rt < 0) AS early, SUM(rt >= 0) AS clean,
        SUM(tree = 0) AS runs0, SUM(tree = 0 AND rt >= 0) AS clean0,
        SUM(tree = 0 AND rt < 0) AS early0, SUM(tree = 0 AND rt IS NULL) AS staging0,
        MIN(CASE WHEN tree = 0 AND rt >= 0 THEN rt END) AS best0,
        SUM(CASE WHEN tree = 0 AND rt >= 0 THEN rt END) AS total0,
        SUM(CASE WHEN tree = 0 AND rt >= 0 THEN rt * rt END) AS squares0,
        SUM(tree = 1) AS runs1, SUM(tree = 1 AND rt >= 0) AS clean1,
        SUM(tree = 1 AND rt < 0) AS early1, SUM(tree = 1 AND rt IS NULL) AS staging1,
        MIN(CASE WHEN tree = 1 AND rt >= 0 THEN rt END) AS best1,
        SUM(CASE WHEN tree = 1 AND rt >= 0 THEN rt END) AS total1,
        SUM(CASE WHEN tree = 1 AND rt >= 0 THEN rt * rt END) AS squares1
    FROM run WHERE session >= ?1 GROUP BY session
),
ranked AS (
    SELECT session, tree, rt, ROW_NUMBER() OVER w AS k, SUM(tree = 0) OVER w AS k0
    FROM run WHERE session >= ?1 AND rt >= 0
    WINDOW w AS (PARTITION BY session ORDER BY rt ROWS UNBOUNDED PRECEDING)
),
medians AS (
    SELECT r.session,
        AVG(CASE WHEN r.k IN ((t.clean + 1) / 2, (t.clean + 2) / 2) THEN r.rt END) AS median,
        AVG(CASE WHEN r.tree = 0 AND r.k0 IN ((t.clean0 + 1) / 2, (t.clean0 + 2) / 2)
            THEN r.rt END) AS median0,
        AVG(CASE WHEN r.tree = 1 AND r.k - r.k0 IN ((t.clean1 + 1) / 2, (t.clean1 + 2) / 2)
            THEN r.rt END) AS median1
    FROM ranked r JOIN totals t ON t.session = r.session GROUP BY r.session
)
SELECT s.id, s.started, s.utc_offset, t.runs, t.early, m.median,
    t.runs0, t.clean0, t.early0, t.staging0, t.best0, t.total0, t.squares0, m.median0,
    t.runs1, t.clean1, t.early1, t.staging1, t.best1, t.total1, t.squares1, m.median1,
    (SELECT COUNT(*) FROM run r WHERE r.session = s.id AND r.tree = 0
        AND r.rt BETWEEN m.median0 - 10 AND m.median0 + 10) AS near0,
    (SELECT COUNT(*) FROM run r WHERE r.session = s.id AND r.tree = 1
        AND r.rt BETWEEN m.median1 - 10 AND m.median1 + 10) AS near1
FROM totals t JOIN session s ON s.id = t.session LEFT JOIN medians m ON m.session = t.session
ORDER BY s.started DESC, s.id DESC
)sql";

// Per tree, the columns from the count of runs to the median, then the near count at the end.
constexpr int kTreeColumns = 8;
constexpr int kFirstTree = 6;
constexpr int kFirstNear = kFirstTree + 2 * kTreeColumns;

constexpr const char* kBestRun = R"sql(
SELECT MIN(at), utc_offset FROM run WHERE session = ? AND tree = ? AND rt = ?
)sql";

std::optional<double> optionalReal(const Statement& row, int column) {
    if (row.isNull(column)) return std::nullopt;
    return row.real(column);
}

int count(const Statement& row, int column) {
    return static_cast<int>(row.integer(column));
}

// Mean, sample deviation (from two) and consistency from the sums the query made.
void addCleanFigures(SessionTree& tree, double total, double squares, double near) {
    if (tree.clean == 0) return;
    const double n = tree.clean;
    tree.mean = total / n;
    if (tree.clean > 1) {
        tree.deviation = std::sqrt(std::max(0.0, (squares - total * total / n) / (n - 1)));
    }
    tree.consistency = near / n;
}

SessionTree sessionTree(const Statement& row, int tree) {
    const int at = kFirstTree + tree * kTreeColumns;
    SessionTree t;
    t.session = row.integer(0);
    t.started = row.integer(1);
    t.utcOffset = count(row, 2);
    t.tree = tree == 1 ? Tree::Pro : Tree::Standard;
    t.runs = count(row, at);
    t.clean = count(row, at + 1);
    t.early = count(row, at + 2);
    t.staging = count(row, at + 3);
    t.best = optionalReal(row, at + 4);
    t.median = optionalReal(row, at + 7);
    addCleanFigures(t, row.real(at + 5), row.real(at + 6), row.real(kFirstNear + tree));
    return t;
}

void addSession(History& history, const Statement& row) {
    for (int tree : {0, 1}) {
        if (row.integer(kFirstTree + tree * kTreeColumns) > 0) {
            history.sessions.push_back(sessionTree(row, tree));
        }
    }
    history.trend.push_back({row.integer(1), count(row, 2), optionalReal(row, 5),
                             row.real(4) / row.real(3), row.integer(0)});
}

constexpr const char* kNewestSession = "SELECT MAX(id) FROM session";

// The kept items from sessions before FROM, then the fresh ones; newest first or oldest first as
// both already are.
template <typename Item>
std::vector<Item> joined(const std::vector<Item>& kept, std::vector<Item> fresh, long long from,
                         bool newestFirst) {
    std::vector<Item> older;
    std::copy_if(kept.begin(), kept.end(), std::back_inserter(older),
                 [from](const Item& item) { return item.session < from; });
    if (newestFirst) {
        fresh.insert(fresh.end(), older.begin(), older.end());
        return fresh;
    }
    older.insert(older.end(), fresh.begin(), fresh.end());
    return older;
}

long long newestSession(const std::vector<SessionTree>& sessions) {
    long long newest = 0;
    for (const SessionTree& s : sessions) newest = std::max(newest, s.session);
    return newest;
}

std::chrono::sys_time<std::chrono::minutes> localMinutes(long long utcMillis, int offset) {
    using namespace std::chrono;
    return floor<minutes>(sys_time<milliseconds>(milliseconds(utcMillis))) + minutes(offset);
}

}  // namespace

History readHistory(Database& db, long long fromSession) {
    History history;
    Statement query(db, kSessions);
    query.bind(1, fromSession);
    while (query.step()) addSession(history, query);
    std::reverse(history.trend.begin(), history.trend.end());
    history.bests = personalBests(db, history.sessions);
    return history;
}

// Only the newest kept session can have gained runs; a logbook without it is another file.
History updateHistory(Database& db, const History& kept) {
    const long long from = newestSession(kept.sessions);
    Statement newest(db, kNewestSession);
    if (from == 0 || !newest.step() || newest.integer(0) < from) return readHistory(db);
    History fresh = readHistory(db, from);
    History history;
    history.sessions = joined(kept.sessions, std::move(fresh.sessions), from, true);
    history.trend = joined(kept.trend, std::move(fresh.trend), from, false);
    history.bests = personalBests(db, history.sessions);
    return history;
}

// The session with each tree's best, the oldest on a tie; then the first run that set it.
std::vector<PersonalBest> personalBests(Database& db, const std::vector<SessionTree>& sessions) {
    std::vector<PersonalBest> bests;
    Statement run(db, kBestRun);
    for (Tree tree : {Tree::Standard, Tree::Pro}) {
        const SessionTree* best = nullptr;
        for (const SessionTree& s : sessions) {
            if (s.tree == tree && s.best && (!best || *s.best <= *best->best)) best = &s;
        }
        if (!best) continue;
        const auto rt = std::llround(*best->best);
        run.reset();
        run.bind(1, best->session).bind(2, static_cast<long long>(tree == Tree::Pro)).bind(3, rt);
        if (run.step()) bests.push_back({tree, rt, run.integer(0), count(run, 1)});
    }
    return bests;
}

std::string localDateTime(long long utcMillis, int utcOffsetMinutes) {
    using namespace std::chrono;
    const auto local = localMinutes(utcMillis, utcOffsetMinutes);
    const auto day = floor<days>(local);
    const hh_mm_ss<minutes> time(local - day);
    char text[24];
    std::snprintf(text, sizeof text, "%s %02d:%02d", localDate(utcMillis, utcOffsetMinutes).c_str(),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()));
    return text;
}

std::string localDate(long long utcMillis, int utcOffsetMinutes) {
    using namespace std::chrono;
    const year_month_day date(floor<days>(localMinutes(utcMillis, utcOffsetMinutes)));
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

}  // namespace korvane::logbook
