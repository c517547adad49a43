#include "logbook/history.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>

#include "logbook/session_summary.h"

namespace korvane::logbook {

namespace {

// Each session's figures per tree and for both together (tree 2, last), as the writer keeps
// them: a few rows a session, never its runs.
constexpr const char* kSessions = R"sql(
SELECT s.id, s.started, s.utc_offset, t.tree, t.runs, t.clean, t.early, t.staging, t.best,
    t.median, t.total, t.squares, t.within
FROM session_tree t JOIN session s ON s.id = t.session
WHERE t.session >= ?1
ORDER BY s.started DESC, s.id DESC, t.tree
)sql";

// Each run's tree, R/T and car delay, a session's runs together: the figures racers count come
// from the slip's own countedFigures on the R/Ts as kept (the slip's shown thousandths), never a
// second way in SQL.
constexpr const char* kRuns = R"sql(
SELECT session, tree, rt, COALESCE(car_delay, 0) FROM run WHERE session >= ?1 ORDER BY session
)sql";

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
    tree.figures.mean = total / n;
    if (tree.clean > 1) {
        tree.figures.deviation = std::sqrt(std::max(0.0, (squares - total * total / n) / (n - 1)));
    }
    tree.figures.consistency = near / n;
}

SessionTree sessionTree(const Statement& row) {
    SessionTree t;
    t.session = row.integer(0);
    t.started = row.integer(1);
    t.utcOffset = count(row, 2);
    t.tree = row.integer(3) == 1 ? Tree::Pro : Tree::Standard;
    t.clean = count(row, 5);
    t.figures.runs = count(row, 4);
    t.figures.early = count(row, 6);
    t.figures.staging = count(row, 7);
    t.figures.best = optionalReal(row, 8);
    t.figures.median = optionalReal(row, 9);
    addCleanFigures(t, row.real(10), row.real(11), row.real(12));
    return t;
}

void addRow(History& history, const Statement& row) {
    const bool both = row.integer(3) == kBothTrees;
    if (!both) history.sessions.push_back(sessionTree(row));
    const std::optional<Tree> tree =
        both ? std::nullopt : std::optional<Tree>(history.sessions.back().tree);
    history.trend.push_back({row.integer(1), count(row, 2), optionalReal(row, 9),
                             row.real(6) / row.real(4), row.integer(0), tree});
}

// One session's runs: each one's tree, R/T as shown (none during staging) and car delay.
struct SessionRuns {
    long long session = 0;
    std::vector<Tree> trees;
    std::vector<std::optional<long long>> rts;
    std::vector<int> carDelays;
};

using TreesOfSession = std::map<long long, std::vector<SessionTree*>>;

void addSessionRuns(const TreesOfSession& trees, const SessionRuns& read) {
    const auto found = trees.find(read.session);
    if (found == trees.end()) return;
    for (SessionTree* tree : found->second) {
        SessionTree& s = *tree;
        std::vector<std::optional<long long>> rts;
        std::vector<int> delays;
        for (std::size_t i = 0; i < read.trees.size(); ++i) {
            if (read.trees[i] != s.tree) continue;
            rts.push_back(read.rts[i]);
            delays.push_back(read.carDelays[i]);
        }
        s.counted = countedFigures(rts);
        if (delays.empty()) continue;
        const auto [low, high] = std::minmax_element(delays.begin(), delays.end());
        s.carDelays = {*low, *high};
    }
}

// The counted figures and car delays of every session from FROM on.
void addRunFigures(Database& db, std::vector<SessionTree>& sessions, long long from) {
    TreesOfSession trees;
    for (SessionTree& s : sessions) trees[s.session].push_back(&s);
    Statement query(db, kRuns);
    query.bind(1, from);
    SessionRuns read;
    while (query.step()) {
        if (query.integer(0) != read.session) {
            addSessionRuns(trees, read);
            read = {query.integer(0), {}, {}, {}};
        }
        read.trees.push_back(query.integer(1) == 1 ? Tree::Pro : Tree::Standard);
        read.rts.push_back(query.isNull(2) ? std::nullopt
                                           : std::optional<long long>(query.integer(2)));
        read.carDelays.push_back(count(query, 3));
    }
    addSessionRuns(trees, read);
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
    while (query.step()) addRow(history, query);
    addRunFigures(db, history.sessions, fromSession);
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
            if (s.tree == tree && s.figures.best &&
                (!best || *s.figures.best <= *best->figures.best))
                best = &s;
        }
        if (!best) continue;
        const auto rt = std::llround(*best->figures.best);
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
