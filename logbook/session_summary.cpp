#include "logbook/session_summary.h"

namespace korvane::logbook {

namespace {

// Each run twice, under its tree and under both; the clean ones ranked by R/T within each, so the
// median is the middle one or the mean of the middle two, and those within 10 ms of it counted.
constexpr std::string_view kHead = R"sql(
WITH picked AS (
    SELECT session, tree, rt FROM run WHERE )sql";
constexpr std::string_view kBoth = R"sql(
    UNION ALL SELECT session, 2, rt FROM run WHERE )sql";
constexpr std::string_view kTail = R"sql(
),
ranked AS (
    SELECT session, tree, rt, ROW_NUMBER() OVER w AS k, COUNT(*) OVER w AS n
    FROM picked WHERE rt >= 0
    WINDOW w AS (PARTITION BY session, tree ORDER BY rt
                 ROWS BETWEEN UNBOUNDED PRECEDING AND UNBOUNDED FOLLOWING)
),
medians AS (
    SELECT session, tree, AVG(rt) AS median FROM ranked
    WHERE k IN ((n + 1) / 2, (n + 2) / 2) GROUP BY session, tree
),
within AS (
    SELECT r.session, r.tree, COUNT(*) AS within FROM ranked r JOIN medians m USING (session, tree)
    WHERE abs(r.rt - m.median) <= 10 GROUP BY r.session, r.tree
),
totals AS (
    SELECT session, tree, COUNT(*) AS runs, COALESCE(SUM(rt >= 0), 0) AS clean,
        COALESCE(SUM(rt < 0), 0) AS early, SUM(rt IS NULL) AS staging,
        MIN(CASE WHEN rt >= 0 THEN rt END) AS best,
        COALESCE(SUM(CASE WHEN rt >= 0 THEN rt END), 0) AS total,
        COALESCE(SUM(CASE WHEN rt >= 0 THEN rt * rt END), 0) AS squares
    FROM picked GROUP BY session, tree
)
INSERT OR REPLACE INTO session_tree
SELECT t.session, t.tree, t.runs, t.clean, t.early, t.staging, t.best, m.median, t.total,
    t.squares, COALESCE(w.within, 0)
FROM totals t LEFT JOIN medians m USING (session, tree) LEFT JOIN within w USING (session, tree)
)sql";

}  // namespace

std::string summarySql(std::string_view where) {
    std::string sql(kHead);
    sql.append(where).append(kBoth).append(where).append(kTail);
    return sql;
}

SessionSummary::SessionSummary(Database& db) : write_(db, summarySql("session = ?1").c_str()) {}

void SessionSummary::write(long long session) {
    write_.reset();
    write_.bind(1, session).step();
}

}  // namespace korvane::logbook
