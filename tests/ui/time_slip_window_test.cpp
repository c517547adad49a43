#include <gtest/gtest.h>

#include <QAction>
#include <QBrush>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <functional>
#include <map>

#include "qt_app.h"
#include "session/plot_scale.h"
#include "ui/time_slip/slip_plots.h"
#include "ui/time_slip/slip_table_model.h"
#include "ui/time_slip/time_slip_window.h"

namespace korvane::testing {
namespace {

using std::chrono::milliseconds;
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
    late.pressToHandOverMs = 3250;
    late.carDelayMs = 400;
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
        {"4|Standard|Normal|.475|10.500|10.965||win|sent to screen|3.250|10.100|.400", false},
        {"3|Standard|Normal|.465|-.041|||red light||||", true},
        {"2|Standard|Novice Powder Puff Trophy|.455|\u2013|.455||red light||||", false},
        {"1|Pro|Race of Champions|.465|.213|.404|.401|loss|shown|||", false},
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
// staging, perfect lights, slowest.
QString figuresOf(const TimeSlipWindow& window) {
    QStringList shown;
    for (const char* name : {"Runs", "Best", "Median", "Early starts", "Left during staging",
                             "Perfect lights", "Slowest"}) {
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
        {[] {}, "0|\u2013|\u2013|0|0|0|\u2013", nullptr},
        {add(0), "1|.213|.213|0|0|0|.213", ".213"},
        {add(1), "2|.213|.213|0|1\u00a0(50%)|0|.213", "\u2013"},
        {add(2), "3|.213|.213|1\u00a0(33%)|1\u00a0(33%)|0|.213", "-.041"},
        {onsetLate, "3|.005|.109|0|1\u00a0(33%)|1\u00a0(33%)|.213", ".005"},
        {add(3), "4|.005|.213|0|1\u00a0(25%)|1\u00a0(25%)|10.500", "10.500"},
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

// The results blocker keeps the newest run's result out of the table and the figures until
// the racer asks; the run itself stays in the slip.
TEST(SlipFigures, TheNewestResultStaysHiddenWhileTheBlockerCoversIt) {
    qtApp();
    const std::vector<RaceRecord> four = fourRuns();
    std::vector<RaceRecord> runs{four[0]};
    TimeSlipWindow window(runs);
    const QAbstractItemModel& table = *window.findChild<QTableView*>()->model();
    runs.push_back(four[3]);
    window.setNewestHidden(true);
    window.runAdded();
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.index(0, 4).data().toString().toStdString(), "hidden");
    EXPECT_EQ(table.index(0, 9).data().toString().toStdString(), "3.250");
    EXPECT_EQ(figuresOf(window).toStdString(), "1|.213|.213|0|0|0|.213");
    window.setNewestHidden(false);
    EXPECT_EQ(table.index(0, 4).data().toString().toStdString(), "10.500");
    EXPECT_EQ(figuresOf(window).toStdString(), "2|.213|5.357|0|0|0|10.500");
}

// The scale takes in the clean reactions, never less than .100 to .300; early starts, however
// early, go in the strip and leave it, and runs left during staging are not plotted. The bins
// widen from 10 ms until each is a pixel wide at least.
TEST(SlipPlots, TheScaleAndBinsTakeInCleanReactionsOnly) {
    const struct {
        std::vector<std::optional<long long>> ms;
        int pixels;
        long long low, high, binWidth, firstBin;
        std::size_t bins, fullest;  // the index of the first bin with the most in it
        int early;
    } rows[] = {
        {{}, 200, 100, 300, 10, 100, 21, 0, 0},
        {{std::nullopt}, 200, 100, 300, 10, 100, 21, 0, 0},
        {{213, 215, 0, -41, std::nullopt, -1}, 200, 0, 300, 10, 0, 31, 21, 2},
        {{150, -1500, 412}, 200, 100, 412, 10, 100, 32, 5, 1},
        {{150, 151, 10500}, 200, 100, 10500, 100, 100, 105, 0, 0},
        {{150, 151, 10500}, 40, 100, 10500, 500, 0, 22, 0, 0},
    };
    for (const auto& row : rows) {
        std::vector<PlotPoint> runs;
        for (const auto ms : row.ms) runs.push_back({ms, false});
        const Span span = cleanSpan(runs);
        EXPECT_EQ(std::pair(span.low, span.high), std::pair(row.low, row.high)) << row.ms.size();
        const PlotBins bins = plotBins(runs, row.pixels);
        EXPECT_EQ(std::tuple(bins.width, bins.first, bins.counts.size(), bins.early),
                  std::tuple(row.binWidth, row.firstBin, row.bins, row.early));
        EXPECT_LE(bins.counts.size(), static_cast<std::size_t>(row.pixels));
        const auto fullest = std::max_element(bins.counts.begin(), bins.counts.end());
        EXPECT_EQ(static_cast<std::size_t>(fullest - bins.counts.begin()), row.fullest);
    }
}

// Ticks a nice step apart, far enough for their labels, at its multiples across the span.
TEST(SlipPlots, TicksLieANiceStepApartWithRoomForTheirLabels) {
    const struct {
        Span span;
        int pixels, label;
        long long least, step;
        std::vector<long long> ticks;
    } rows[] = {
        {{100, 300}, 150, 16, 10, 25, {100, 125, 150, 175, 200, 225, 250, 275, 300}},
        {{100, 300}, 60, 16, 10, 100, {100, 200, 300}},
        {{100, 300}, 1000, 16, 10, 10, {}},
        {{-35, 45}, 60, 16, 10, 25, {-25, 0, 25}},
        {{1, 12}, 220, 22, 1, 2, {2, 4, 6, 8, 10, 12}},
        {{1, 1}, 220, 22, 1, 1, {1}},
        {{100, 10500}, 120, 16, 10, 2000, {2000, 4000, 6000, 8000, 10000}},
    };
    for (const auto& row : rows) {
        const long long span = row.span.high - row.span.low;
        EXPECT_EQ(niceStep(span, row.pixels, row.label, row.least), row.step) << span;
        if (!row.ticks.empty()) {
            EXPECT_EQ(ticks(row.span, row.step), row.ticks) << span;
        }
    }
}

// An R/T lies up the plot by its place in the span; runs lie along it from first to last.
TEST(SlipPlots, PlaceAnRtUpTheSpanAndARunAlongThePlot) {
    const Span usual{100, 300}, wide{0, 400};
    const struct {
        Span span;
        double ms, share;
    } heights[] = {{usual, 100, 0}, {usual, 300, 1},   {usual, 150, 0.25},
                   {wide, 0, 0},    {wide, 100, 0.25}, {{1, 1}, 1, 0}};
    for (const auto& h : heights) EXPECT_NEAR(spanShare(h.span, h.ms), h.share, 1e-9) << h.ms;
    const struct {
        std::size_t i, count;
        double share;
    } places[] = {{0, 1, 0}, {0, 3, 0}, {1, 3, 0.5}, {2, 3, 1}};
    for (const auto& p : places)
        EXPECT_EQ(runShare(p.i, p.count), p.share) << p.i << "/" << p.count;
}

// The early strip has a scale of its own down to a nice bound past the earliest start, and its
// points lie on it: -1.492 far below -.021, not beside it as if they were alike.
TEST(SlipPlots, TheEarlyStripShowsHowEarly) {
    const struct {
        std::vector<std::optional<long long>> ms;
        long long bound;
    } rows[] = {{{}, -10},         {{150, std::nullopt}, -10}, {{-10}, -10}, {{-11}, -20},
                {{-21, 200}, -25}, {{-1492, -21}, -2000},      {{-1}, -10}};
    for (const auto& row : rows) {
        std::vector<PlotPoint> runs;
        for (const auto ms : row.ms) runs.push_back({ms, false});
        EXPECT_EQ(std::pair(earlySpan(runs).low, earlySpan(runs).high), std::pair(row.bound, 0LL))
            << row.ms.size();
    }
    qtApp();
    const std::vector<PlotPoint> runs{{-21}, {-1492}};
    ui::RtPlot plot(runs);
    plot.resize(240, 300);
    const QImage image = plot.grab().toImage();
    // The mean height of the red points in each half of the plot: the first run's, the second's.
    double heights[2] = {0, 0};
    int counts[2] = {0, 0};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::red)) continue;
            heights[x < image.width() / 2 ? 0 : 1] += y;
            ++counts[x < image.width() / 2 ? 0 : 1];
        }
    }
    ASSERT_GT(counts[0], 0);
    ASSERT_GT(counts[1], 0);
    EXPECT_GT(heights[1] / counts[1] - heights[0] / counts[0], 8)
        << "-1.492 drawn no lower than -.021";
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

// The slip's right-click menu lists its own actions: each needs words to be chosen by.
TEST(TimeSlipWindow, EveryMenuItemIsNamed) {
    qtApp();
    const std::vector<RaceRecord> none;
    ui::TimeSlipWindow window(none);
    ASSERT_FALSE(window.actions().isEmpty());
    for (const QAction* action : window.actions()) {
        EXPECT_FALSE(action->text().isEmpty()) << action->shortcut().toString().toStdString();
    }
}

// At its default width the slip shows whole the columns a racer reads first.
TEST(TimeSlipWindow, RunRtResultAndDelayFitTheDefaultWidth) {
    qtApp();
    std::vector<RaceRecord> runs = fourRuns();
    ui::TimeSlipWindow window(runs);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* table = window.findChild<QTableView*>();
    const int shown = table->viewport()->width();
    for (const char* name : {"Run", "R/T", "Result", "Delay"}) {
        int column = 0;
        while (table->model()->headerData(column, Qt::Horizontal).toString() != name) ++column;
        const int right = table->columnViewportPosition(column) + table->columnWidth(column);
        EXPECT_LE(right, shown) << name;
    }
}

// Both plots show whole, unscrolled, at each size the desktop gives the slip: its default, on
// 1366x768 and 1024x768, and on 1920x1080 at scale 2 (in the scale's own pixels).
TEST(TimeSlipWindow, ThePlotsShowWholeAtEverySizeTheDesktopGivesTheSlip) {
    qtApp();
    std::vector<RaceRecord> runs = fourRuns();
    for (const QSize size : {QSize(560, 760), QSize(560, 747), QSize(377, 747), QSize(345, 529)}) {
        ui::TimeSlipWindow window(runs);
        window.resize(size);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.size(), size);
        int plots = 0;
        for (QWidget* plot : window.findChildren<QWidget*>()) {
            if (plot->accessibleName() != "R/T per run" &&
                plot->accessibleName() != "R/T histogram")
                continue;
            ++plots;
            EXPECT_EQ(plot->visibleRegion().boundingRect(), plot->rect())
                << plot->accessibleName().toStdString() << " at " << size.width() << "x"
                << size.height();
        }
        EXPECT_EQ(plots, 2);
    }
}

}  // namespace
}  // namespace korvane::testing
