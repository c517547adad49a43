#include <initializer_list>

#include "common/colour.h"
#include "common/number_reading.h"
#include "race/computer_time.h"
#include "race/main.h"
#include "race/tree_rules.h"

namespace korvane {

namespace {

bool isLit(const Control& amber) {
    return amber.fillColor == colour::kLitAmber;
}

bool allDim(std::initializer_list<const Control*> ambers) {
    for (const Control* amber : ambers) {
        if (amber->fillColor != colour::kDimAmber) return false;
    }
    return true;
}

// Moves the lit amber one lamp down the lane.
void passAmber(Control& from, Control& to) {
    from.fillColor = colour::kDimAmber;
    to.fillColor = colour::kLitAmber;
}

void setAll(std::initializer_list<Control*> lamps, Colour colour) {
    for (Control* lamp : lamps) lamp->fillColor = colour;
}

}  // namespace

// The computer's time is drawn at its lane's first step and waits, hidden, in its display.
void Main::writeComputerTime() {
    Text2.visible = false;
    const float r = services_.random.next();
    Text2.text = computerTimeText(drawComputerTime(mhreact, mlreact, r));
}

// Reads the display back, so a time typed over it is the one that counts.
bool Main::showComputerTimeAndCheckRed(bool proTree) {
    Text2.visible = true;
    const double t = readNumber(Text2.text);
    return isRedLight(t, rulesFor(proTree));
}

void Main::showComputerRedLight() {
    Image2.visible = true;
    Shape7.fillColor = colour::kDimGreen;
    Shape6.fillColor = colour::kLitRed;
}

// Standard Tree, player lane: the lamps are the state, so each tick finds its own row.
void Main::Timer1_Timer() {
    if (allDim({&Shape1, &Shape2, &Shape3})) {
        Shape1.fillColor = colour::kLitAmber;
    } else if (isLit(Shape1)) {
        passAmber(Shape1, Shape2);
    } else if (isLit(Shape2)) {
        passAmber(Shape2, Shape3);
    } else if (isLit(Shape3)) {
        Shape3.fillColor = colour::kDimAmber;
        Shape4.fillColor = colour::kLitGreen;
        Timer1.setEnabled(false);
    }
}

// Standard Tree, computer lane.
void Main::Timer2_Timer() {
    if (allDim({&Shape10, &Shape9, &Shape8})) {
        writeComputerTime();
        Shape10.fillColor = colour::kLitAmber;
    } else if (isLit(Shape10)) {
        passAmber(Shape10, Shape9);
    } else if (isLit(Shape9)) {
        passAmber(Shape9, Shape8);
    } else if (isLit(Shape8)) {
        if (showComputerTimeAndCheckRed(false)) {
            showComputerRedLight();  // the last amber stays lit beside the red
        } else {
            Shape8.fillColor = colour::kDimAmber;
            Shape7.fillColor = colour::kLitGreen;
        }
        Timer2.setEnabled(false);
    }
}

// Pro Tree, both lanes: all ambers at once, then the greens.
void Main::Timer3_Timer() {
    if (!isLit(Shape10)) {
        writeComputerTime();
        setAll({&Shape10, &Shape1, &Shape9, &Shape2, &Shape8, &Shape3}, colour::kLitAmber);
        return;
    }
    setAll({&Shape10, &Shape1, &Shape9, &Shape2, &Shape8, &Shape3}, colour::kDimAmber);
    // A player who has already red-lit keeps the red without a green beside it.
    if (Shape5.fillColor != colour::kLitRed) Shape4.fillColor = colour::kLitGreen;
    if (showComputerTimeAndCheckRed(true)) {
        showComputerRedLight();
        Timer2.setEnabled(false);
    } else {
        Shape7.fillColor = colour::kLitGreen;
    }
    refreshWindow();
    Timer3.setEnabled(false);
}

// The reaction clock counts delivered ticks, a thousandth each, and never reads a wall clock.
void Main::Timer5_Timer() {
    RTVAL += DecimalSeconds::fromTenThousandths(10);
}

}  // namespace korvane
