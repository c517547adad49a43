#include "logbook/history.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace korvane::logbook {

namespace {

// Clean reactions ranked within each session and tree: the median is the middle one, or the
// mean of the middle two, and consistency counts those within 10 ms of it.
constexpr const char* kSessionTrees = R"sql(
WITH clean AS MATERIALIZED (
    SELECT session, tree, rt,
           ROW_NUMBER() OVER (PARTITION BY session, tree ORDER BY rt) AS k,
           COUNT(*) OVER (PARTITION BY session, tree) AS n
    FROM run WHERE rt >= 0
),
middle AS (
    SELECT session, tree, AVG(rt) AS median FROM clean
    WHERE k IN ((n + 1) / 2, (n + 2) / 2) GROUP BY session, tree
),
near AS (
    SELECT c.session, c.tree, m.median, SUM(ABS(c.rt - m.median) <= 10) AS near
    FROM clean c JOIN middle m ON m.session = c.session AND m.tree = c.tree
    GROUP BY c.session, c.tree
),
totals AS (
    SELECT session, tree, COUNT(*) AS runs, SUM(rt >= 0) AS clean, SUM(rt < 0) AS early,
           SUM(rt IS NULL) AS staging, MIN(CASE WHEN rt >= 0 THEN rt END) AS best,
           SUM(CASE WHEN rt >= 0 THEN rt END) AS total,
           SUM(CASE WHEN rt >= 0 THEN rt * rt END) AS squares
    FROM run GROUP BY session, tree
)
SELECT s.id, s.started, s.utc_offset, t.tree, t.runs, t.clean, t.early, t.staging, t.best,
       t.total, t.squares, n.median, n.near
FROM totals t JOIN session s ON s.id = t.session
LEFT JOIN near n ON n.session = t.session AND n.tree = t.tree
ORDER BY s.started DESC, s.id DESC, t.tree
)sql";

constexpr const char* kPersonalBests = R"sql(
WITH best AS (SELECT tree, MIN(rt) AS rt FROM run WHERE rt >= 0 GROUP BY tree)
SELECT r.tree, r.rt, MIN(r.at), r.utc_offset
FROM run r JOIN best b ON r.tree = b.tree AND r.rt = b.rt
GROUP BY r.tree ORDER BY r.tree
)sql";

constexpr const char* kTrend = R"sql(
WITH clean AS (
    SELECT session, rt,
           ROW_NUMBER() OVER (PARTITION BY session ORDER BY rt) AS k,
           COUNT(*) OVER (PARTITION BY session) AS n
    FROM run WHERE rt >= 0
),
middle AS (
    SELECT session, AVG(rt) AS median FROM clean
    WHERE k IN ((n + 1) / 2, (n + 2) / 2) GROUP BY session
),
totals AS (
    SELECT session, COUNT(*) AS runs, SUM(rt < 0) AS early FROM run GROUP BY session
)
SELECT s.started, s.utc_offset, m.median, t.early * 1.0 / t.runs
FROM totals t JOIN session s ON s.id = t.session
LEFT JOIN middle m ON m.session = t.session
ORDER BY s.started, s.id
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

SessionTree sessionTree(const Statement& row) {
    SessionTree tree;
    tree.session = row.integer(0);
    tree.started = row.integer(1);
    tree.utcOffset = count(row, 2);
    tree.tree = row.integer(3) == 1 ? Tree::Pro : Tree::Standard;
    tree.runs = count(row, 4);
    tree.clean = count(row, 5);
    tree.early = count(row, 6);
    tree.staging = count(row, 7);
    tree.best = optionalReal(row, 8);
    tree.median = optionalReal(row, 11);
    addCleanFigures(tree, row.real(9), row.real(10), row.real(12));
    return tree;
}

std::chrono::sys_time<std::chrono::minutes> localMinutes(long long utcMillis, int offset) {
    using namespace std::chrono;
    return floor<minutes>(sys_time<milliseconds>(milliseconds(utcMillis))) + minutes(offset);
}

}  // namespace

std::vector<SessionTree> sessionTrees(Database& db) {
    Statement query(db, kSessionTrees);
    std::vector<SessionTree> trees;
    while (query.step()) trees.push_back(sessionTree(query));
    return trees;
}

std::vector<PersonalBest> personalBests(Database& db) {
    Statement query(db, kPersonalBests);
    std::vector<PersonalBest> bests;
    while (query.step()) {
        bests.push_back({query.integer(0) == 1 ? Tree::Pro : Tree::Standard, query.integer(1),
                         query.integer(2), count(query, 3)});
    }
    return bests;
}

std::vector<TrendPoint> trend(Database& db) {
    Statement query(db, kTrend);
    std::vector<TrendPoint> points;
    while (query.step()) {
        points.push_back(
            {query.integer(0), count(query, 1), optionalReal(query, 2), query.real(3)});
    }
    return points;
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
