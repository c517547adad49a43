#include "common/colour.h"
#include "common/number_format.h"
#include "common/number_reading.h"
#include "common/overflow_error.h"
#include "common/sound_names.h"
#include "race/judging.h"
#include "race/main.h"
#include "race/tree_rules.h"

namespace korvane {

namespace {

constexpr const char* kCounterFull = "The win counter is full: no more wins can be counted.";

}  // namespace

// The release judges the race from what the lamps, the clock and the computer's display hold
// now; it keeps no record of a running race, so a second release is judged again.
void Main::Command1_MouseUp(int, int, float, float) {
    const bool proTree = proTreeSelected();
    const TreeRules& rules = rulesFor(proTree);
    RTVAL -= rules.correction;
    const DecimalSeconds p = RTVAL;
    Text1.text = formatNumber(p);
    Timer5.setEnabled(false);
    (proTree ? Timer3 : Timer1).setEnabled(false);
    Command1.backColor = colour::kDarkGreen;
    Command1.caption = " Stage (Down)";
    const bool playerRed = p < rules.lampThreshold;
    lightPlayerLane(proTree, !playerRed);
    refresh(Shape4);
    blankIndicators();
    Text2.visible = true;
    const double c = readNumber(Text2.text);
    lightComputerLane(proTree, !isRedLight(c, rules));
    const Winner winner = decideWinner(p, c, rules.judgingThreshold, services_.random);
    if (!countWin(winner == Winner::Computer)) return;
    showWinCounts();
    refreshWindow();
    if (Check1.value == 0) playReleaseSound(playerRed);
}

void Main::lightPlayerLane(bool proTree, bool clean) {
    if (clean) {
        if (proTree) {
            for (Control* amber : {&Shape1, &Shape2}) amber->fillColor = colour::kDimAmber;
        }
        Shape3.fillColor = colour::kDimAmber;
        Shape4.fillColor = colour::kLitGreen;
        return;
    }
    Shape4.fillColor = colour::kDimGreen;
    Shape5.fillColor = colour::kLitRed;
    refresh(Shape5);
    Image1.visible = true;
}

void Main::blankIndicators() {
    for (Control* indicator : {&Label1, &Label2}) {
        indicator->backColor = colour::kWhite;
        indicator->caption = "";
    }
}

// Finishes the computer lane at once if it has not launched by itself yet.
void Main::lightComputerLane(bool proTree, bool clean) {
    if (!clean) {
        showComputerRedLight();
    } else {
        if (proTree) {
            for (Control* amber : {&Shape10, &Shape9}) amber->fillColor = colour::kDimAmber;
        }
        Shape8.fillColor = colour::kDimAmber;
        Shape7.fillColor = colour::kLitGreen;
    }
    if (!proTree) Timer2.setEnabled(false);
}

// The flag goes up before the count grows. A full count stays full: the player is told and the
// rest of this release is left undone rather than wrapping the count.
bool Main::countWin(bool computerWins) {
    (computerWins ? Text3 : Text4).visible = true;
    ShortInt& count = computerWins ? mPCwins : mplayerwins;
    try {
        count = count + ShortInt::from(1);
    } catch (const OverflowError&) {
        services_.messages.show(kCounterFull);
        return false;
    }
    return true;
}

void Main::showWinCounts() {
    Text8.text = formatNumber(mPCwins);
    Text7.text = formatNumber(mplayerwins);
}

void Main::playReleaseSound(bool redLight) {
    const std::string_view name = redLight ? kRedLightWave : kLaunchWave;
    services_.sound.PlayWave(services_.soundFolder + "/" + std::string(name));
}

}  // namespace korvane
