#include <gtest/gtest.h>

#include "ui/screen_placement.h"

namespace korvane::testing {
namespace {

TEST(ScreenPlacementTest, AWindowIsCentredButItsTopLeftCornerStaysOnTheScreen) {
    struct Row {
        const char* screen;
        QRect available;
        QSize frame;
        QPoint expected;
    };
    const Row rows[] = {
        {"large enough", {0, 0, 1024, 768}, {637, 480}, {193, 144}},
        {"smaller both ways", {0, 0, 320, 240}, {637, 480}, {0, 0}},
        {"too narrow only", {0, 0, 320, 800}, {637, 480}, {0, 160}},
        {"too low only", {0, 0, 800, 240}, {637, 480}, {81, 0}},
        {"small, under a panel", {0, 30, 320, 210}, {637, 480}, {0, 30}},
        {"second screen", {1024, 0, 320, 240}, {637, 480}, {1024, 0}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ui::centredTopLeft(QRect(QPoint(5, 5), row.frame), row.available), row.expected)
            << row.screen;
    }
}

}  // namespace
}  // namespace korvane::testing
