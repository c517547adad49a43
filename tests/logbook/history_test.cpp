#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "logbook/history.h"
#include "logbook/older_file.h"
#include "logbook/schema.h"
#include "logbook/session_summary.h"
#include "session/session_figures.h"
#include "tests/support/temp_folder.h"

namespace korvane::testing {
namespace {

using logbook::Database;
using logbook::Statement;
constexpr int kStaging = 9999;  // released before the tree started: no R/T
constexpr long long kDay = 86'400'000;

struct LoggedRun {
    long long session;
    Tree tree;
    int rt;
    long long at;
};

struct SessionRow {
    long long id, started, utcOffset;
};

// How a test's logbook file came to be.
enum class Made {
    Newest,    // written at the newest version, each session's figures kept as the writer does
    Migrated,  // written at version 1 and brought up to date
    Version1,  // written at version 1 and left there
};

// A logbook file holding SESSIONS and RUNS, MADE so; NAME tells apart two in one test.
class Logbook {
  public:
    Logbook(const std::vector<SessionRow>& sessions, const std::vector<LoggedRun>& runs,
            const std::string& name = "", Made made = Made::Newest)
        : path_(folder_ / ("history-" + name + ".sqlite")) {
        const std::size_t steps = logbook::schemaSteps().size();
        makeSteps(0, made == Made::Newest ? steps : 1);
        add(sessions, runs);
        makeSteps(made == Made::Migrated ? 1 : steps, made == Made::Migrated ? steps : 0);
    }
    void add(const std::vector<SessionRow>& sessions, const std::vector<LoggedRun>& runs) {
        Database db(path_.string(), Database::Mode::ReadWrite);
        Statement session(db, "INSERT INTO session VALUES (?, ?, ?, ?, '1.0')");
        for (const SessionRow& s : sessions) {
            session.bind(1, s.id).bind(2, s.started).bind(3, s.utcOffset).bind(4, s.started + 1);
            session.step();
            session.reset();
        }
        // Words before the logbook kept codes.
        const std::string facts =
            version_ >= 3 ? "3, 465, ?, 0, NULL, NULL, 0)" : "'Normal', 465, ?, '', '', '', '')";
        Statement run(db, ("INSERT INTO run (session, run, at, utc_offset, tree, level, roll_out, "
                           "rt, onset, player, computer, result) VALUES (?, ?, ?, 60, ?, " +
                           facts)
                              .c_str());
        for (const LoggedRun& r : runs) {
            const std::optional<long long> rt =
                r.rt == kStaging ? std::nullopt : std::optional<long long>(r.rt);
            run.bind(1, r.session).bind(2, ++number_).bind(3, r.at);
            run.bind(4, static_cast<long long>(r.tree == Tree::Pro)).bind(5, rt).step();
            run.reset();
        }
        if (version_ < logbook::kSchemaVersion) return;
        logbook::SessionSummary summary(db);
        for (const LoggedRun& r : runs) summary.write(r.session);
    }
    Database open() const { return Database(path_.string(), Database::Mode::ReadOnly); }
    void exec(const char* sql) const {
        Database(path_.string(), Database::Mode::ReadWrite).exec(sql);
    }

  private:
    void makeSteps(std::size_t from, std::size_t to) {
        Database db(path_.string(), Database::Mode::ReadWrite);
        for (std::size_t step = from; step < to; ++step) {
            db.exec(logbook::schemaSteps()[step]);
            db.exec(("PRAGMA user_version = " + std::to_string(step + 1)).c_str());
        }
        version_ = std::max(version_, static_cast<int>(to));
    }

    const TempFolder folder_;
    const std::filesystem::path path_;
    long long number_ = 0;
    int version_ = 0;
};

// The same runs as the slip holds them.
std::vector<RaceRecord> records(const std::vector<LoggedRun>& runs, long long session) {
    std::vector<RaceRecord> records;
    for (const LoggedRun& r : runs) {
        if (r.session != session) continue;
        RaceRecord record;
        record.tree = r.tree;
        if (r.rt != kStaging) record.rt = std::chrono::milliseconds(r.rt);
        records.push_back(record);
    }
    return records;
}

const Tree S = Tree::Standard;
const Tree P = Tree::Pro;

// Even and odd counts, the +-10 ms edge both sides, early and staging only, both trees at once.
const std::vector<SessionRow> kSessions{{1, 3 * kDay, 60}, {2, kDay, -300}, {3, 2 * kDay, 0}};
const std::vector<LoggedRun> kRuns{
    {1, S, 200, 3 * kDay},  {1, S, 230, 3 * kDay}, {1, S, 205, 3 * kDay}, {1, S, 225, 3 * kDay},
    {1, S, 204, 3 * kDay},  {1, S, 226, 3 * kDay}, {1, S, -41, 3 * kDay}, {1, S, kStaging, 1},
    {1, P, 402, 3 * kDay},  {1, P, 0, 4 * kDay},   {1, P, -1, 4 * kDay},  {2, S, -5, kDay},
    {2, S, kStaging, kDay}, {3, P, 0, 2 * kDay},   {3, P, 150, 2 * kDay}, {3, P, 161, 2 * kDay},
    {3, S, 180, 2 * kDay},  {3, P, 9, 2 * kDay},   {3, P, 10, 2 * kDay},  {3, P, 20, 2 * kDay},
    {3, P, 21, 2 * kDay},
};

TEST(History, EachSessionAndTreeHasTheSlipsFiguresNewestFirst) {
    const Logbook logbook(kSessions, kRuns);
    Database db = logbook.open();
    const std::vector<logbook::SessionTree> trees = logbook::readHistory(db).sessions;
    const std::pair<long long, Tree> order[] = {{1, S}, {1, P}, {3, S}, {3, P}, {2, S}};
    ASSERT_EQ(trees.size(), std::size(order));
    for (std::size_t i = 0; i < trees.size(); ++i) {
        const logbook::SessionTree& t = trees[i];
        EXPECT_EQ(std::pair(t.session, t.tree), order[i]) << i;
        const TreeFigures f = treeFigures(records(kRuns, t.session), t.tree);
        EXPECT_EQ(t.clean, f.runs - f.early - f.staging) << i;
        ASSERT_EQ(t.figures.deviation.has_value(), f.deviation.has_value()) << i;
        if (f.deviation) {
            EXPECT_NEAR(*t.figures.deviation, *f.deviation, 1e-9) << i;
        }
        TreeFigures read = t.figures;
        read.deviation = f.deviation;  // summed in SQL: equal to the last few bits
        EXPECT_EQ(read, f) << i;
        EXPECT_EQ(t.counted, countedFigures(records(kRuns, t.session), t.tree)) << i;
    }
    EXPECT_EQ(trees[3].counted.perfect, 2);            // .000 and .009 of Pro's seven
    EXPECT_EQ(trees[0].figures.median, 215);           // the mean of the middle two
    EXPECT_EQ(trees[0].figures.consistency, 2.0 / 6);  // 205 and 225 in, 204 and 226 out
    for (const Made made : {Made::Migrated, Made::Version1}) {
        const Logbook older(kSessions, kRuns, "v1", made);
        Database same = older.open();
        logbook::readAsNewest(same);
        EXPECT_EQ(logbook::readHistory(same), logbook::readHistory(db));
    }
}

TEST(History, PersonalBestsKeepTheFirstRunThatSetThem) {
    const Logbook logbook(kSessions, kRuns);
    Database db = logbook.open();
    const std::vector<logbook::PersonalBest> bests = logbook::readHistory(db).bests;
    ASSERT_EQ(bests.size(), 2u);
    const struct {
        Tree tree;
        long long rt, at;
        int utcOffset;
    } expected[] = {{S, 180, 2 * kDay, 60}, {P, 0, 2 * kDay, 60}};
    for (std::size_t i = 0; i < bests.size(); ++i) {
        EXPECT_EQ(bests[i].tree, expected[i].tree);
        EXPECT_EQ(bests[i].rt, expected[i].rt);
        EXPECT_EQ(bests[i].at, expected[i].at);
        EXPECT_EQ(bests[i].utcOffset, expected[i].utcOffset);
    }
}

// A point for each tree played and one for both, oldest first, each with its own runs' figures.
TEST(History, TheTrendGoesOldestFirstPerTreeAndBothTogether) {
    const Logbook logbook(kSessions, kRuns);
    Database db = logbook.open();
    const std::vector<logbook::TrendPoint> points = logbook::readHistory(db).trend;
    const std::map<long long, long long> startedToSession{{kDay, 2}, {2 * kDay, 3}, {3 * kDay, 1}};
    const std::optional<Tree> both;
    const std::pair<long long, std::optional<Tree>> order[] = {
        {kDay, both},  {kDay, S},        {2 * kDay, both}, {2 * kDay, P},
        {2 * kDay, S}, {3 * kDay, both}, {3 * kDay, P},    {3 * kDay, S}};
    ASSERT_EQ(points.size(), std::size(order));
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(std::pair(points[i].started, points[i].tree), order[i]) << i;
        const TreeFigures f =
            treeFigures(records(kRuns, startedToSession.at(points[i].started)), points[i].tree);
        EXPECT_EQ(points[i].median, f.median) << i;
        EXPECT_DOUBLE_EQ(points[i].earlyShare, static_cast<double>(f.early) / f.runs) << i;
    }
}

// Each tree's car delays from its runs, one or the lowest and highest; none as 0.
TEST(History, ASessionsCarDelayComesFromItsRuns) {
    Logbook logbook(kSessions, kRuns);
    logbook.exec(
        "UPDATE run SET car_delay = 400 WHERE session = 1 AND tree = 1;"
        "UPDATE run SET car_delay = CASE WHEN rt > 100 THEN 450 ELSE 300 END WHERE session = 3 "
        "AND tree = 1;");
    Database db = logbook.open();
    const std::vector<logbook::SessionTree> trees = logbook::readHistory(db).sessions;
    const logbook::CarDelays expected[] = {{0, 0}, {400, 400}, {0, 0}, {300, 450}, {0, 0}};
    ASSERT_EQ(trees.size(), std::size(expected));
    for (std::size_t i = 0; i < trees.size(); ++i) {
        EXPECT_EQ(trees[i].carDelays, expected[i]) << i;
    }
}

// Only the newest session is read again, yet the result is the whole read's; from another file,
// the whole read.
TEST(History, AnUpdateMatchesAWholeRead) {
    Logbook logbook({{1, kDay, 0}, {2, 2 * kDay, 0}}, {{1, S, 200, kDay}, {2, P, -3, 2 * kDay}});
    const struct {
        std::vector<SessionRow> sessions;
        std::vector<LoggedRun> runs;
    } rows[] = {
        {{}, {{2, S, 190, 2 * kDay}, {2, S, 230, 2 * kDay}}},
        {{{3, 3 * kDay, 0}}, {{3, P, 150, 3 * kDay}, {3, S, kStaging, 3 * kDay}}},
    };
    Database first = logbook.open();
    logbook::History kept = logbook::readHistory(first);
    for (const auto& row : rows) {
        logbook.add(row.sessions, row.runs);
        Database db = logbook.open();
        kept = logbook::updateHistory(db, kept);
        EXPECT_EQ(kept, logbook::readHistory(db)) << kept.sessions.size();
    }
    const Logbook other({{1, kDay, 0}}, {{1, S, 250, kDay}}, "other");
    Database db = other.open();
    EXPECT_EQ(logbook::updateHistory(db, kept), logbook::readHistory(db));
}

TEST(History, MomentsShowInTheirOwnLocalTime) {
    const struct {
        long long utcMillis;
        int offset;
        const char* shown;
    } rows[] = {
        {0, 0, "1970-01-01 00:00"},
        {kDay - 1, 60, "1970-01-02 00:59"},
        {1'796'700'000'000, -300, "2026-12-07 22:20"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(logbook::localDateTime(row.utcMillis, row.offset), row.shown);
    }
}

}  // namespace
}  // namespace korvane::testing
