#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTableView>

#include "qt_app.h"
#include "ui/time_slip/time_slip_window.h"

namespace korvane::testing {
namespace {

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
