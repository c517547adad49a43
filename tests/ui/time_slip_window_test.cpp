#include <gtest/gtest.h>

#include <QBrush>
#include <QLabel>
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
    r.level = 3;
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
    loss.tree = Tree::Pro, loss.level = 5, loss.winner = Winner::Computer;
    loss.playerTime = " .404", loss.computerTime = ".401";
    RaceRecord tap = runOf(2, {}, true);
    tap.level = 1, tap.rollOutMs = 455, tap.playerTime = " .455";
    RaceRecord early = runOf(3, -41, true, "flushed");
    RaceRecord late = runOf(4, 10500, false, "flushed");
    late.rollOutMs = 475, late.playerTime = "10.965";
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
        {"4|Standard|3|.475|10.500|10.965||win|flushed", false},
        {"3|Standard|3|.465|-.041|||red light|", true},
        {"2|Standard|1|.455|\u2013|.455||red light|", false},
        {"1|Pro|5|.465|.213|.404|.401|loss|presented", false},
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

QString figuresOf(const TimeSlipWindow& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->accessibleName() == "Session figures") return label->text();
    }
    return "(no figures)";
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
        runs.back() = runOf(3, -21, true, "presented");
        window.newestRunChanged();
    };
    const struct {
        std::function<void()> change;
        const char* figures;
        const char* topRt;
    } rows[] = {
        {[] {},
         "Runs 0   Red lights 0   Best \u2013   Median \u2013   Mean \u2013   "
         "Std dev \u2013   Within \u00b1.010 of median \u2013",
         nullptr},
        {add(0),
         "Runs 1   Red lights 0   Best .213   Median .213   Mean .213   "
         "Std dev \u2013   Within \u00b1.010 of median 100%",
         ".213"},
        {add(1),
         "Runs 2   Red lights 1   Best .213   Median .213   Mean .213   "
         "Std dev \u2013   Within \u00b1.010 of median 100%",
         "\u2013"},
        {add(2),
         "Runs 3   Red lights 2   Best .213   Median .086   Mean .086   "
         "Std dev .180   Within \u00b1.010 of median 0%",
         "-.041"},
        {onsetLate,
         "Runs 3   Red lights 2   Best .213   Median .096   Mean .096   "
         "Std dev .165   Within \u00b1.010 of median 0%",
         "-.021"},
        {add(3),
         "Runs 4   Red lights 2   Best .213   Median .213   Mean 3.564   "
         "Std dev 6.008   Within \u00b1.010 of median 33%",
         "10.500"},
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

}  // namespace
}  // namespace korvane::testing
