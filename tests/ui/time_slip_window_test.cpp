#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

#include "qt_app.h"
#include "ui/time_slip/time_slip_window.h"

namespace korvane::testing {
namespace {

RaceRecord run(int number, int rtMs, Tree tree = Tree::Standard) {
    RaceRecord r;
    r.run = number;
    r.tree = tree;
    r.level = "Race of Champions";
    r.playerTime = " .505";
    r.computerTime = ".503";
    r.rt = std::chrono::milliseconds(rtMs);
    return r;
}

// R/Ts of 1.800 and 10.500 s scrolled into view under later runs of .210, and a Pro figure of
// 10.500, whether the slip was made with the runs or saw them come, on a slip narrowed as on a
// tiny screen.
TEST(TimeSlipWindow, LongTimesAndFiguresShowWhole) {
    qtApp();
    for (const bool madeWithRuns : {true, false}) {
        SCOPED_TRACE(madeWithRuns ? "made with the runs" : "runs added");
        std::vector<RaceRecord> runs{run(1, 1800), run(2, 10500, Tree::Pro)};
        for (int i = 3; i <= 60; ++i) runs.push_back(run(i, 210));
        std::vector<RaceRecord> shown = madeWithRuns ? runs : std::vector<RaceRecord>{};
        shown.reserve(runs.size());
        ui::TimeSlipWindow window(shown);
        for (std::size_t i = shown.size(); i < runs.size(); ++i) {
            shown.push_back(runs[i]);
            window.runAdded();
        }
        window.resize(190, 240);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        auto* table = window.findChild<QTableView*>();
        table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
        QApplication::processEvents();
        const QAbstractItemView& view = *table;  // the measure of the rows on show
        for (int column = 0; column < table->model()->columnCount(); ++column) {
            EXPECT_LE(view.sizeHintForColumn(column), table->columnWidth(column)) << column;
        }
        const auto labels = window.findChildren<QLabel*>();
        const auto best = std::find_if(labels.begin(), labels.end(), [](const QLabel* label) {
            return label->accessibleName() == "Best, Pro";
        });
        ASSERT_NE(best, labels.end());
        EXPECT_EQ((*best)->text(), "10.500");
        EXPECT_GE((*best)->width(), (*best)->sizeHint().width());
    }
}

}  // namespace
}  // namespace korvane::testing
