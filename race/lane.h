#pragma once

#include <array>

#include "common/colour.h"
#include "common/short_int.h"
#include "race/control.h"

namespace korvane {

// One side of the race: its column of the light tree, its picture and displays, and its wins.
struct Lane {
    Control& topAmber;
    Control& middleAmber;
    Control& bottomAmber;
    Control& green;
    Control& red;
    Control& redLightPicture;  // the skull beside the column
    Control& timeDisplay;      // the lane's half of the overhead board
    Control& winnerFlag;
    Control& winCountDisplay;  // on the dashboard
    ShortInt& wins;

    std::array<Control*, 3> ambers() const { return {&topAmber, &middleAmber, &bottomAmber}; }
    void setAmbers(Colour colour) const;
    // Every lamp of the column dim.
    void putOut() const;
    // A clean launch: the ambers the tree can still show lit go out, and the green lights. The
    // Standard Tree has only the bottom one lit by then, if the sequence has run its course.
    void lightGreen(bool proTree) const;
    // A red light: green dim, red lit; the ambers keep whatever colour they have.
    void lightRed() const;
};

}  // namespace korvane
