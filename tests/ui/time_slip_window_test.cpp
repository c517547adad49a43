#include <gtest/gtest.h>

#include <QBrush>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <functional>
#include <map>

#include "qt_app.h"
#include "ui/time_slip/slip_plots.h"
#include "ui/time_slip/slip_table_model.h"
#include "ui/time_slip/time_slip_window.h"

namespace korvane::testing {
namespace {

using std::chrono::milliseconds;
using ui::PlotSpan;
using ui::SlipTableModel;
using ui::TimeSlipWindow;

// A run released rtMs after its green was due (no R/T without one); the onset, if named, came
// with the due moment.
RaceRecord runOf(int number, std::optional<int> rtMs, bool red, const char* onset = "") {
    RaceRecord r;
    r.run = number;
    r.level = "Normal";
    r.rollOutMs = 465;
    r.playerRed = red;
    r.release = Moment(std::chrono::seconds(100 * number));
    if (rtMs) r.green.due = r.release - milliseconds(*rtMs);
    if (*onset) {
        r.green.onset = r.green.handedOver = r.green.due;
        r.onsetSource = onset;
    }
    r.rt = trueReactionTime(r.release, r.green);
    return r;
}

std::vector<RaceRecord> fourRuns() {
    RaceRecord loss = runOf(1, 213, false, "presented");
    loss.tree = Tree::Pro, loss.level = "Race of Champions", loss.winner = Winner::Computer;
    loss.playerTime = " .404", loss.computerTime = ".401";
    RaceRecord tap = runOf(2, {}, true);
    tap.level = "Novice Powder Puff Trophy", tap.rollOutMs = 455, tap.playerTime = " .455";
    RaceRecord early = runOf(3, -41, true, "flushed");
    RaceRecord late = runOf(4, 10500, false, "flushed");
    late.rollOutMs = 475, late.playerTime = "10.965", late.startDelayMs = 850;
    return {loss, tap, early, late};
}

TEST(SlipTable, ShowsEachRunNewestFirstWithItsRtInTheBoardsStyleRedWhenEarly) {
    qtApp();
    const std::vector<RaceRecord> runs = fourRuns();
    const SlipTableModel model(runs);
    const struct {
        const char* cells;
        bool red;
    } rows[] = {
        {"4|Standard|Normal|.475|10.500|10.965||win|sent to screen|.850", false},
        {"3|Standard|Normal|.465|-.041|||red light||", true},
        {"2|Standard|Novice Powder Puff Trophy|.455|\u2013|.455||red light||", false},
        {"1|Pro|Race of Champions|.465|.213|.404|.401|loss|shown|", false},
    };
    ASSERT_EQ(model.rowCount(), 4);
    for (int row = 0; row < 4; ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            cells << model.index(row, column).data().toString();
        }
        EXPECT_EQ(cells.join('|').toStdString(), rows[row].cells);
        const QVariant colour = model.index(row, 4).data(Qt::ForegroundRole);
        EXPECT_EQ(colour.isValid() && colour.value<QBrush>().color() == Qt::red, rows[row].red)
            << row;
    }
}

// The session's figures for both trees, as shown: runs, best, median, early starts, left during
// staging.
QString figuresOf(const TimeSlipWindow& window) {
    QStringList shown;
    for (const char* name : {"Runs", "Best", "Median", "Early starts", "Left during staging"}) {
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (label->accessibleName() == QString(name) + ", Both") shown << label->text();
        }
    }
    return shown.join('|');
}

// The figures, and the table's top row, follow each added run and a late onset of the newest.
TEST(SlipFigures, FollowTheSessionAsRunsComeAndTheNewestChanges) {
    qtApp();
    std::vector<RaceRecord> runs;
    TimeSlipWindow window(runs);
    const QAbstractItemModel& table = *window.findChild<QTableView*>()->model();
    const std::vector<RaceRecord> four = fourRuns();
    const auto add = [&](std::size_t i) {
        return [&, i] {
            runs.push_back(four[i]);
            window.runAdded();
        };
    };
    const auto onsetLate = [&] {
        runs.back() = runOf(3, 5, true, "presented");
        window.newestRunChanged();
    };
    const struct {
        std::function<void()> change;
        const char* figures;
        const char* topRt;
    } rows[] = {
        {[] {}, "0|\u2013|\u2013|0|0", nullptr},
        {add(0), "1|.213|.213|0|0", ".213"},
        {add(1), "2|.213|.213|0|1\u00a0(50%)", "\u2013"},
        {add(2), "3|.213|.213|1\u00a0(33%)|1\u00a0(33%)", "-.041"},
        {onsetLate, "3|.005|.109|0|1\u00a0(33%)", ".005"},
        {add(3), "4|.005|.213|0|1\u00a0(25%)", "10.500"},
    };
    for (const auto& row : rows) {
        row.change();
        EXPECT_EQ(figuresOf(window).toStdString(), row.figures);
        ASSERT_EQ(table.rowCount(), static_cast<int>(runs.size()));
        if (row.topRt) {
            EXPECT_EQ(table.index(0, 4).data().toString().toStdString(), row.topRt);
        }
    }
}

// Both plots show -.050 to .350, widened by whole 10 ms bins to take in every R/T, with an
// empty bin above the top one.
TEST(SlipPlots, TheSpanTakesInEveryRtInWhole10MsBins) {
    const struct {
        std::vector<std::optional<double>> rts;
        double low, high;
        long firstBin, lastBin;
        std::map<long, int> counts;  // the bins with any R/T in them
    } rows[] = {
        {{}, -0.05, 0.35, -5, 35, {}},
        {{std::nullopt}, -0.05, 0.35, -5, 35, {}},
        {{0.213, 0.215, -0.041, std::nullopt, 0.0, -0.04},
         -0.05,
         0.35,
         -5,
         35,
         {{-5, 1}, {-4, 1}, {0, 1}, {21, 2}}},
        {{0.4125, -0.123}, -0.13, 0.43, -13, 43, {{-13, 1}, {41, 1}}},
        {{0.35}, -0.05, 0.36, -5, 36, {{35, 1}}},
    };
    for (const auto& row : rows) {
        std::vector<ui::PlotPoint> runs;
        for (const auto rt : row.rts) runs.push_back({rt, false});
        const PlotSpan span = ui::plotSpan(runs);
        EXPECT_NEAR(span.low, row.low, 1e-9) << row.rts.size();
        EXPECT_NEAR(span.high, row.high, 1e-9) << row.rts.size();
        const ui::PlotBins bins = ui::plotBins(runs, span);
        EXPECT_EQ(bins.first, row.firstBin);
        EXPECT_EQ(bins.first + static_cast<long>(bins.counts.size()) - 1, row.lastBin);
        std::map<long, int> counts;
        for (std::size_t i = 0; i < bins.counts.size(); ++i) {
            if (bins.counts[i] != 0) counts[bins.first + static_cast<long>(i)] = bins.counts[i];
        }
        EXPECT_EQ(counts, row.counts) << row.rts.size();
    }
}

// An R/T lies up the plot by its place in the span; runs lie along it from first to last.
TEST(SlipPlots, PlaceAnRtUpTheSpanAndARunAlongThePlot) {
    const PlotSpan usual, wide{-0.13, 0.43};
    const struct {
        PlotSpan span;
        double rt, share;
    } heights[] = {{usual, -0.05, 0},  {usual, 0.35, 1}, {usual, 0, 0.125},
                   {usual, 0.15, 0.5}, {wide, -0.13, 0}, {wide, 0.15, 0.5}};
    for (const auto& h : heights) EXPECT_NEAR(ui::spanShare(h.span, h.rt), h.share, 1e-9) << h.rt;
    const struct {
        std::size_t i, count;
        double share;
    } places[] = {{0, 1, 0}, {0, 3, 0}, {1, 3, 0.5}, {2, 3, 1}};
    for (const auto& p : places)
        EXPECT_EQ(ui::runShare(p.i, p.count), p.share) << p.i << "/" << p.count;
}

// R/Ts of 1.800 and 10.500 scrolled into view below later runs of .210, and a Pro figure of
// 10.500, on a slip narrowed as on a tiny screen.
TEST(TimeSlipWindow, LongTimesAndFiguresShowWhole) {
    qtApp();
    std::vector<RaceRecord> runs;
    runs.reserve(60);
    ui::TimeSlipWindow window(runs);
    for (int i = 0; i < 60; ++i) {
        runs.emplace_back().rt = std::chrono::milliseconds(i == 0 ? 1800 : i == 1 ? 10500 : 210);
        if (i == 1) runs.back().tree = Tree::Pro;
        window.runAdded();
    }
    window.resize(190, 240);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* table = window.findChild<QTableView*>();
    table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
    const QAbstractItemView& view = *table;  // measures the rows on show
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        EXPECT_LE(view.sizeHintForColumn(column), table->columnWidth(column)) << column;
    }
    const auto* best = window.findChildren<QLabel*>().at(0);
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->accessibleName() == "Best, Pro") best = label;
    }
    EXPECT_EQ(best->text(), "10.500");
    EXPECT_GE(best->width(), best->sizeHint().width());
}

}  // namespace
}  // namespace korvane::testing
