#include <gtest/gtest.h>

#include "ui/kit/window_placement.h"

namespace korvane::ui {
namespace {

struct BesideRow {
    const char* screen;
    QRect available;
    QRect race;
    QRect expected;
};

// A 566x590 slip that may narrow to 190 beside a 643x518 race window, its tree 193 px in; on
// any screen it lies wholly on the available area.
TEST(WindowPlacement, TheSlipGoesBesideTheRaceWindowAndNeverOverTheTree) {
    const QSize slip(566, 590);
    const BesideRow rows[] = {
        {"wide", {0, 0, 1920, 1080}, {638, 281, 643, 518}, {1289, 281, 566, 590}},
        {"right edge", {0, 0, 1920, 1080}, {1270, 40, 643, 518}, {696, 40, 566, 590}},
        {"1024x768", {0, 0, 1024, 768}, {190, 125, 643, 518}, {0, 125, 375, 590}},
        {"left panel", {48, 0, 976, 768}, {238, 125, 643, 518}, {48, 125, 375, 590}},
        {"800x600", {0, 0, 800, 600}, {78, 41, 643, 518}, {0, 10, 263, 590}},  // moved up
        {"320x240", {0, 0, 320, 240}, {0, 0, 643, 518}, {0, 0, 190, 240}},     // minimum width, cut
    };
    for (const BesideRow& r : rows) {
        const QRect tree(r.race.left() + 193, r.race.top() + 128, 45, 85);
        const QRect placed = besideTree(r.race, tree, r.available, slip, 190);
        EXPECT_EQ(placed, r.expected) << r.screen;
        EXPECT_TRUE(r.available.contains(placed)) << r.screen;
        EXPECT_FALSE(placed.intersects(tree)) << r.screen;
    }
}

}  // namespace
}  // namespace korvane::ui
