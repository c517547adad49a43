#include "common/colour.h"
#include "race/main.h"
#include "race/skill_levels.h"

namespace korvane {

void Main::readSkillLevel() {
    for (int i = 1; i <= 5; ++i) {
        if (Level[i].value != 0) {
            mhreact = ShortInt::from(kLevelWindows[i].fastest);
            mlreact = ShortInt::from(kLevelWindows[i].slowest);
            return;
        }
    }
}

void Main::Command1_MouseDown(int, int, float, float) {
    readSkillLevel();
    if (proTreeSelected()) {
        mhreact = mhreact - ShortInt::from(100);
        mlreact = mlreact - ShortInt::from(100);
    }
    Command1.backColor = colour::kYellow;
    Command1.caption = "Launch (Up)";
    Text1.text = "";
    Text2.text = "";
    Text3.visible = false;
    Text4.visible = false;
    Image1.visible = false;
    Image2.visible = false;
    RTVAL = DecimalSeconds::fromMillis(RollOut.value);
    for (Control* amber : {&Shape1, &Shape2, &Shape3}) amber->fillColor = colour::kDimAmber;
    Shape4.fillColor = colour::kDimGreen;
    Shape5.fillColor = colour::kDimRed;
    for (Control* amber : {&Shape10, &Shape9, &Shape8}) amber->fillColor = colour::kDimAmber;
    Shape7.fillColor = colour::kDimGreen;
    Shape6.fillColor = colour::kDimRed;
    // A tap's walk hands over by itself, so its clock and lamps may still run: every race starts
    // from a stopped clock.
    for (Timer* running : {&Timer5, &Timer1, &Timer2, &Timer3}) running->setEnabled(false);
    Timer6.setEnabled(true);
}

// The walk keeps no counter: the indicator captions say how far it has come.
void Main::Timer6_Timer() {
    if (Label1.caption != "Pre Stage") {
        Label1.backColor = colour::kPaleYellow;
        Label1.caption = "Pre Stage";
        return;
    }
    if (Label2.caption != "Staged") {
        Label2.backColor = colour::kPaleYellow;
        Label2.caption = "Staged";
        return;
    }
    if (proTreeSelected()) {
        Timer3.setEnabled(true);
        Timer5.setEnabled(true);
    } else {
        Timer1.setEnabled(true);
        Timer2.setEnabled(true);
        Timer5.setEnabled(true);
    }
    Timer6.setEnabled(false);
}

}  // namespace korvane
