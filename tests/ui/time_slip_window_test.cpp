#include <gtest/gtest.h>

#include <QBrush>
#include <QLabel>
#include <QTableView>
#include <functional>

#include "qt_app.h"
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

}  // namespace
}  // namespace korvane::testing
