#include <gtest/gtest.h>

#include "ui/placement/window_placement.h"

namespace korvane::ui {
namespace {

struct BesideRow {
    const char* screen;
    QRect available;
    QRect race;
    QRect expected;
    int raceMovedBy = 0;
};

// A 566x590 slip that may narrow to 190 beside a 643x518 race window, its tree 193 px in: side
// by side where both fit, the race window moved if need be; on any screen it lies wholly on the
// available area.
TEST(WindowPlacement, TheSlipGoesBesideTheRaceWindowAndNeverOverTheTree) {
    const QSize slip(566, 590);
    const BesideRow rows[] = {
        {"wide", {0, 0, 1920, 1080}, {638, 281, 643, 518}, {1289, 281, 566, 590}},
        {"right edge", {0, 0, 1920, 1080}, {1270, 40, 643, 518}, {696, 40, 566, 590}},
        {"1600x900", {0, 0, 1600, 900}, {478, 191, 643, 518}, {1034, 191, 566, 590}, -95},
        {"1024x768", {0, 0, 1024, 768}, {190, 125, 643, 518}, {0, 125, 375, 590}},
        {"left panel", {48, 0, 976, 768}, {238, 125, 643, 518}, {48, 125, 375, 590}},
        {"800x600", {0, 0, 800, 600}, {78, 41, 643, 518}, {0, 10, 263, 590}},  // moved up
        {"320x240", {0, 0, 320, 240}, {0, 0, 643, 518}, {0, 0, 190, 240}},     // minimum width, cut
    };
    for (const BesideRow& r : rows) {
        const QRect tree(r.race.left() + 193, r.race.top() + 128, 45, 85);
        const SlipPlacement placed = sideBySide(r.race, tree, r.available, slip, 190);
        EXPECT_EQ(placed.slip, r.expected) << r.screen;
        EXPECT_EQ(placed.race, r.race.translated(r.raceMovedBy, 0)) << r.screen;
        EXPECT_TRUE(r.available.contains(placed.slip)) << r.screen;
        EXPECT_FALSE(placed.slip.intersects(tree.translated(r.raceMovedBy, 0))) << r.screen;
        if (r.race.width() + 8 + slip.width() <= r.available.width()) {
            EXPECT_FALSE(placed.slip.intersects(placed.race)) << r.screen;
        }
    }
}

}  // namespace
}  // namespace korvane::ui
