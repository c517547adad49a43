#include <gtest/gtest.h>

#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <filesystem>

#include "logbook/database.h"
#include "logbook/schema.h"
#include "qt_app.h"
#include "tests/support/temp_folder.h"
#include "ui/history/history_table_model.h"
#include "ui/history/history_trend_plot.h"
#include "ui/history/history_view.h"
#include "ui/time_slip/time_slip_window.h"

namespace korvane::testing {
namespace {

using logbook::Database;
using ui::TimeSlipWindow;

// In one folder for the whole program, made on first use (not in a death test's fresh process,
// which never removes it) and removed at the program's end.
const std::filesystem::path& logbookFile() {
    static const TempFolder folder;
    static const std::filesystem::path file = folder / "view.sqlite";
    return file;
}

// A logbook at logbookFile() with two sessions (the later on both trees) when RUNS, else only its
// tables; none at all when not MADE.
void makeLogbook(bool made, bool runs) {
    std::filesystem::remove(logbookFile());
    if (!made) return;
    Database db(logbookFile().string(), Database::Mode::ReadWrite);
    db.exec(logbook::schemaSteps()[0]);
    db.exec("PRAGMA user_version = 1");
    if (!runs) return;
    db.exec(
        "INSERT INTO session VALUES (1, 1796000000000, 60, 1796000900000, '1.00'),"
        "  (2, 1796100000000, 60, 1796100900000, '1.00');"
        "INSERT INTO run (session, run, at, utc_offset, tree, level, roll_out, rt, onset, player,"
        "  computer, result) VALUES"
        "  (1, 1, 1796000010000, 60, 0, 'Normal', 465, 241, '', '', '', ''),"
        "  (2, 1, 1796100010000, 60, 0, 'Normal', 465, 213, '', '', '', ''),"
        "  (2, 2, 1796100020000, 60, 0, 'Normal', 465, -12, '', '', '', ''),"
        "  (2, 3, 1796100030000, 60, 1, 'Normal', 465, 198, '', '', '', '');");
}

// What the History tab shows: its message, or the bests and the table's rows.
QString shown(TimeSlipWindow& window) {
    window.findChild<QTabWidget*>()->setCurrentIndex(1);
    const auto* view = window.findChild<ui::HistoryView*>();
    EXPECT_TRUE(waitUntil([view] { return !view->reading(); }, 5000));
    QStringList lines;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QString name = label->accessibleName();
        if (label->isVisible() && (name == "Logbook" || name == "Personal bests")) {
            lines << label->text();
        }
    }
    for (const QTableView* table : window.findChildren<QTableView*>()) {
        if (!table->isVisible() || table->accessibleName() != "Sessions, newest first") continue;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->model()->columnCount(); ++column) {
                cells << table->model()->index(row, column).data().toString();
            }
            lines << cells.join('|');
        }
    }
    window.findChild<QTabWidget*>()->setCurrentIndex(0);
    return lines.join('\n');
}

TEST(HistoryView, ShowsTheKeptSessionsOrSaysWhyThereAreNone) {
    qtApp();
    const std::string missing = (logbookFile().string() + ".none");
    const struct {
        std::string path;
        bool made, runs;
        const char* shown;
    } rows[] = {
        {"", false, false, "Runs are not kept: the game was started with --no-logbook."},
        {logbookFile().string(), false, false, "No runs kept yet"},
        {logbookFile().string(), true, false, "No runs kept yet"},
        {logbookFile().string(), true, true,
         "Personal bests: Standard .213 (2026-12-01), Pro .198 (2026-12-01)\n"
         "2026-12-01 05:40|Standard|\u2013|2|1|1|0|.213|.213|\u2013|100%|0|.213|0%\n"
         "2026-12-01 05:40|Pro|\u2013|1|1|0|0|.198|.198|\u2013|100%|0|.198|0%\n"
         "2026-11-30 01:53|Standard|\u2013|1|1|0|0|.241|.241|\u2013|100%|0|.241|0%"},
    };
    const std::vector<RaceRecord> none;
    TimeSlipWindow window(none);
    // As narrow as the slip is placed beside the race window on a small screen.
    window.resize(380, 760);
    window.show();
    for (const auto& row : rows) {
        makeLogbook(row.made, row.runs);
        window.setLogbook(row.path);
        EXPECT_TRUE(shown(window).startsWith(QString::fromUtf8(row.shown)))
            << shown(window).toStdString();
        EXPECT_EQ(window.width(), 380) << "History widened the slip";
    }
    std::filesystem::remove(logbookFile());
}

// Medians from .173 to .238 span .150 to .250; dates are ticked a usual number of days apart.
// After a run only the newest session's rows change: the rest of a long table stays as it is,
// so the race window never waits for the whole table to be laid out again.
TEST(HistoryTableModel, ANewRunChangesOnlyTheNewestRows) {
    qtApp();
    const auto sessions = [](std::vector<std::pair<long long, int>> runs) {
        std::vector<logbook::SessionTree> trees(runs.size());
        for (std::size_t i = 0; i < runs.size(); ++i) {
            trees[i].session = runs[i].first, trees[i].figures.runs = runs[i].second;
        }
        return trees;
    };
    const struct {
        std::vector<std::pair<long long, int>> read;
        const char* seen;  // made anew (R), rows inserted (I) and changed (C) at each row
    } rows[] = {{{{2, 6}, {1, 9}}, "C0-0"},
                {{{3, 1}, {2, 5}, {1, 9}}, "I0-0"},
                {{{3, 1}, {2, 6}, {1, 9}}, "I0-0C1-1"},
                {{{2, 5}, {1, 9}}, ""},
                {{{7, 1}}, "R"}};
    for (const auto& row : rows) {
        ui::HistoryTableModel model;
        model.setSessions(sessions({{2, 5}, {1, 9}}));
        QString seen;
        QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { seen += "R"; });
        QObject::connect(&model, &QAbstractItemModel::rowsInserted,
                         [&](const QModelIndex&, int from, int to) {
                             seen += QStringLiteral("I%1-%2").arg(from).arg(to);
                         });
        QObject::connect(&model, &QAbstractItemModel::dataChanged,
                         [&](const QModelIndex& from, const QModelIndex& to) {
                             seen += QStringLiteral("C%1-%2").arg(from.row()).arg(to.row());
                         });
        model.setSessions(sessions(row.read));
        EXPECT_EQ(seen, row.seen) << row.read.size();
        EXPECT_EQ(model.index(0, 3).data().toInt(), row.read[0].second);  // Runs
    }
}

// A session's car delay, one or the range it was changed over, and the counted figures.
TEST(HistoryTableModel, ShowsTheCarDelayAndTheFiguresRacersCount) {
    qtApp();
    const struct {
        logbook::CarDelays delays;
        CountedFigures counted;
        const char* shown;  // car delay | perfect | slowest | within .020
    } rows[] = {
        {{0, 0}, {}, "\u2013|0|\u2013|\u2013"},
        {{400, 400}, {2, 0.25, 212.0, 0.375}, ".400|2 (25%)|.212|38%"},
        {{300, 450}, {1, 1.0, 5.0, 1.0}, ".300 to .450|1 (100%)|.005|100%"},
    };
    for (const auto& row : rows) {
        logbook::SessionTree tree;
        tree.carDelays = row.delays;
        tree.counted = row.counted;
        ui::HistoryTableModel model;
        model.setSessions({tree});
        QStringList cells;
        for (int column : {2, 11, 12, 13}) cells << model.index(0, column).data().toString();
        EXPECT_EQ(cells.join('|'), QString::fromUtf8(row.shown));
    }
}

TEST(HistoryTrend, SpansWhole50MsAndTicksUsualDays) {
    std::vector<logbook::TrendPoint> points{{0, 0, 173.0, 0.14, 1, {}},
                                            {86'400'000, 0, 238.0, 0.0, 2, {}}};
    const ui::TrendSpan span = ui::trendSpan(points, ui::spreadDays(points));
    EXPECT_EQ(std::pair(span.low, span.high), std::pair(150.0, 250.0));
    EXPECT_DOUBLE_EQ(span.topShare, 0.2);
    // A share on a tenth gets room above it.
    const std::vector<logbook::TrendPoint> tenth{{0, 0, 200.0, 0.1, 1, {}}};
    EXPECT_DOUBLE_EQ(ui::trendSpan(tenth, ui::spreadDays(tenth)).topShare, 0.2);
    const struct {
        double days;
        int most, step;
    } rows[] = {{1, 6, 1}, {10, 6, 2}, {40, 6, 7}, {365, 6, 91}, {3000, 2, 1461}};
    for (const auto& row : rows) EXPECT_EQ(ui::dayStep(row.days, row.most), row.step) << row.days;
}

// Sessions of one local day share it evenly in their order; a lone session stands mid-day.
TEST(HistoryTrend, SessionsOfOneDaySpreadAcrossIt) {
    constexpr long long kHour = 3'600'000;
    const struct {
        std::vector<std::pair<long long, int>> started;  // UTC ms, offset in minutes
        std::vector<double> days;
    } rows[] = {
        {{{9 * kHour, 0}}, {0.5}},
        {{{9 * kHour, 0}, {10 * kHour, 0}, {23 * kHour, 0}}, {1.0 / 6, 3.0 / 6, 5.0 / 6}},
        {{{9 * kHour, 0}, {30 * kHour, 0}, {31 * kHour, 0}}, {0.5, 1.25, 1.75}},
        // 23:00 UTC is the next local day two hours east.
        {{{9 * kHour, 0}, {23 * kHour, 120}}, {0.5, 1.5}},
    };
    for (const auto& row : rows) {
        std::vector<logbook::TrendPoint> points;
        for (const auto& [at, offset] : row.started)
            points.push_back({at, offset, 200.0, 0, 1, {}});
        const std::vector<double> days = ui::spreadDays(points);
        ASSERT_EQ(days.size(), row.days.size());
        for (std::size_t i = 0; i < days.size(); ++i) EXPECT_DOUBLE_EQ(days[i], row.days[i]) << i;
    }
}

// Only the chosen tree's sessions are drawn, and even one alone shows its median and its share.
TEST(HistoryTrend, DrawsTheChosenTreeEvenASingleSession) {
    qtApp();
    const logbook::TrendPoint standard{0, 0, 210.0, 0.2, 1, Tree::Standard};
    const logbook::TrendPoint pro{0, 0, 190.0, 0.0, 1, Tree::Pro};
    const struct {
        std::optional<Tree> tree;
        bool drawn;
    } rows[] = {{Tree::Standard, true}, {Tree::Pro, true}, {std::nullopt, false}};
    // The blue of the medians: the legend's stroke is always there, a session's mark adds to it.
    const auto bluePixels = [](std::vector<logbook::TrendPoint> points, std::optional<Tree> tree) {
        ui::HistoryTrendPlot plot;
        plot.resize(400, 300);
        plot.setPoints(std::move(points));
        plot.setTree(tree);
        const QImage image = plot.grab().toImage();
        int blue = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) blue += image.pixelColor(x, y) == Qt::blue;
        }
        return blue;
    };
    const int legend = bluePixels({}, std::nullopt);
    for (const auto& row : rows) {
        EXPECT_EQ(bluePixels({standard, pro}, row.tree) > legend, row.drawn);
    }
}

}  // namespace
}  // namespace korvane::testing
