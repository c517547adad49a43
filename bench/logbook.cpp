// What keeping every run costs: the event loop's share of a run (its copy into the writer's
// queue), the time until another connection sees the run, the wait at the game's end, and the
// file's size per run after many runs and after a version-2 file is brought up to date, each
// against its target:
//   build/default/bench/logbook_cost [runs for the size] [runs timed]
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/sample_run.h"
#include "bench/temp_folder.h"
#include "logbook/logbook.h"
#include "logbook/schema.h"

namespace {

using namespace korvane;
namespace fs = std::filesystem;

RaceRecord someRun(int number) {
    return bench::sampleRun(number, std::chrono::milliseconds(150 + number % 200));
}

// Each run's record call, and the time from it until a second connection reads the run.
void timeRecords(const std::string& file, int runs) {
    logbook::Logbook logbook(logbook::openLogbook(file, std::chrono::system_clock::now()), "bench");
    logbook::Database reader(file, logbook::Database::Mode::ReadOnly);
    logbook::Statement seen(reader, "SELECT count(*) FROM run WHERE run = ?1");
    std::vector<double> cost;
    std::vector<double> copy;
    std::vector<double> visible;
    std::vector<RaceRecord> copies;
    copies.reserve(static_cast<std::size_t>(runs));
    for (int i = 1; i <= runs; ++i) {
        const RaceRecord run = someRun(i);
        const double c0 = bench::monotonicMs();
        copies.push_back(run);
        copy.push_back(bench::monotonicMs() - c0);
        const double t0 = bench::monotonicMs();
        logbook.record(run);
        cost.push_back(bench::monotonicMs() - t0);
        for (;;) {
            seen.reset();
            seen.bind(1, static_cast<long long>(i));
            if (seen.step() && seen.integer(0) > 0) break;
            bench::sleepMs(0.05);
        }
        visible.push_back(bench::monotonicMs() - t0);
        bench::sleepMs(5);  // releases come seconds apart; the writer is idle at each
    }
    std::printf("%d runs, one every 5 ms or more\n", runs);
    bench::printPercentiles("a plain copy of the run (the machine's share)", copy, "");
    bench::printPercentiles("record call on the event loop", cost, "p99 <= 0.5");
    bench::printPercentiles("record call to seen by another connection", visible, "p99 <= 100");
}

// How long the game's end waits for the writer: a run recorded just before, then the logbook
// closed, as when the race window is closed right after a release.
void timeClosing(const std::string& file, int closings) {
    std::vector<double> closing;
    for (int i = 1; i <= closings; ++i) {
        auto logbook = std::make_unique<logbook::Logbook>(
            logbook::openLogbook(file, std::chrono::system_clock::now()), "bench");
        logbook->record(someRun(1));
        const double t0 = bench::monotonicMs();
        logbook.reset();
        closing.push_back(bench::monotonicMs() - t0);
    }
    bench::printPercentiles("closing with a run just recorded", closing, "unnoticed, p99 <= 50");
}

// The file's bytes per run once RUNS are kept and the log is written back.
void sizePerRun(const std::string& file, int runs) {
    {
        logbook::Logbook logbook(logbook::openLogbook(file, std::chrono::system_clock::now()),
                                 "bench");
        for (int i = 1; i <= runs; ++i) logbook.record(someRun(i));
    }
    logbook::Database(file, logbook::Database::Mode::ReadWrite)
        .exec("PRAGMA wal_checkpoint(TRUNCATE)");
    const auto bytes = fs::file_size(file);
    std::printf("%d runs: %ju bytes, %.1f bytes a run   (target <= 100)\n", runs,
                static_cast<std::uintmax_t>(bytes), static_cast<double>(bytes) / runs);
    // Opened at the game's start, before any window: its check reads the whole file.
    const double t0 = bench::monotonicMs();
    const logbook::Opened opened = logbook::openLogbook(file, std::chrono::system_clock::now());
    std::printf("opening it at the start: %.1f ms\n", bench::monotonicMs() - t0);
}

// A version-2 file of RUNS (the slip's words kept) brought to the newest version at the start:
// its bytes a run before and after, the log written back.
void sizeAfterMigration(const std::string& file, int runs) {
    const std::string count = std::to_string(runs);
    logbook::Database(file, logbook::Database::Mode::ReadWrite)
        .exec((std::string(logbook::schemaSteps()[0]) + "PRAGMA user_version = 1;" +
               logbook::schemaSteps()[1] +
               "; PRAGMA user_version = 2; INSERT INTO session VALUES (1, 0, 60, 0, '1.00');"
               "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
               count +
               ") INSERT INTO run SELECT 1, i, i * 20000, 60, i % 2, 'Normal', 465, 150 + i % 120, "
               "'shown', '0.505', '0.500', 'win', NULL FROM n;")
                  .c_str());
    const auto before = fs::file_size(file);
    const double t0 = bench::monotonicMs();
    logbook::openLogbook(file, std::chrono::system_clock::now());
    const double took = bench::monotonicMs() - t0;
    const auto after = fs::file_size(file);
    std::printf(
        "a version-2 file of %d runs: %.1f bytes a run, brought up to date in %.0f ms: "
        "%.1f bytes a run   (target <= 100)\n",
        runs, static_cast<double>(before) / runs, took, static_cast<double>(after) / runs);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int sized = argc > 1 ? std::stoi(argv[1]) : 100000;
    const int timed = argc > 2 ? std::stoi(argv[2]) : 1000;
    const bench::TempFolder folder;
    timeRecords(folder / "timed.sqlite", timed);
    timeClosing(folder / "closed.sqlite", 50);
    sizePerRun(folder / "sized.sqlite", sized);
    sizeAfterMigration(folder / "older.sqlite", sized);
}
