#include "common/colour.h"
#include "common/fixed_rate_schedule.h"
#include "common/number_reading.h"
#include "race/computer_time.h"
#include "race/main.h"
#include "race/tree_rules.h"

namespace korvane {

namespace {

bool isLit(const Control& amber) {
    return amber.fillColor == colour::kLitAmber;
}

bool allDim(const Lane& lane) {
    for (const Control* amber : lane.ambers()) {
        if (amber->fillColor != colour::kDimAmber) return false;
    }
    return true;
}

// Moves the lit amber one lamp down the lane.
void passAmber(Control& from, Control& to) {
    from.fillColor = colour::kDimAmber;
    to.fillColor = colour::kLitAmber;
}

// One Standard Tree step down a lane's ambers. The lamps are the state, so each tick finds its
// own row; true when the bottom amber was lit, the lane's cue to launch.
bool walkAmbers(const Lane& lane) {
    if (allDim(lane)) {
        lane.topAmber.fillColor = colour::kLitAmber;
    } else if (isLit(lane.topAmber)) {
        passAmber(lane.topAmber, lane.middleAmber);
    } else if (isLit(lane.middleAmber)) {
        passAmber(lane.middleAmber, lane.bottomAmber);
    } else {
        return isLit(lane.bottomAmber);
    }
    return false;
}

}  // namespace

// The computer's time is drawn at its lane's first step and waits, hidden, in its display.
void Main::writeComputerTime() {
    computer.timeDisplay.visible = false;
    const float r = services_.random.next();
    computer.timeDisplay.text =
        computerTimeText(drawComputerTime(computerFastest, computerSlowest, r));
}

// Reads the display back, so a time typed over it is the one that counts.
bool Main::showComputerTimeAndCheckRed(bool proTree) {
    computer.timeDisplay.visible = true;
    const double t = readNumber(computer.timeDisplay.text);
    return isRedLight(t, rulesFor(proTree));
}

void Main::showComputerRedLight() {
    computer.redLightPicture.visible = true;
    computer.lightRed();
}

void Main::playerSequencerTick() {
    if (!walkAmbers(player)) return;
    player.lightGreen(false);
    playerSequencer.setEnabled(false);
}

// The computer lane draws its time on its first step and launches by itself on its last.
void Main::computerSequencerTick() {
    if (allDim(computer)) writeComputerTime();
    if (!walkAmbers(computer)) return;
    if (showComputerTimeAndCheckRed(false)) {
        showComputerRedLight();  // the last amber stays lit beside the red
    } else {
        computer.lightGreen(false);
    }
    computerSequencer.setEnabled(false);
}

// Pro Tree, both lanes: all ambers at once, then the greens.
void Main::proSequencerTick() {
    if (!isLit(computer.topAmber)) {
        writeComputerTime();
        computer.setAmbers(colour::kLitAmber);
        player.setAmbers(colour::kLitAmber);
        return;
    }
    computer.setAmbers(colour::kDimAmber);
    player.setAmbers(colour::kDimAmber);
    // A player who has already red-lit keeps the red without a green beside it.
    if (player.red.fillColor != colour::kLitRed) player.green.fillColor = colour::kLitGreen;
    if (showComputerTimeAndCheckRed(true)) {
        showComputerRedLight();
        computerSequencer.setEnabled(false);
    } else {
        computer.green.fillColor = colour::kLitGreen;
    }
    refreshWindow();
    proSequencer.setEnabled(false);
}

std::optional<std::chrono::milliseconds> Main::greenDueAfterStart(const Timer& timer) const {
    int ticks = 0;
    if (&timer == &playerSequencer) ticks = 4;  // three ambers, then the green
    if (&timer == &proSequencer) ticks = 2;     // the ambers all at once, then the green
    if (ticks == 0) return std::nullopt;
    return ticks * std::chrono::milliseconds(FixedRateSchedule::periodFor(timer.interval()));
}

// The reaction clock counts delivered ticks, a thousandth each, and never reads a wall clock.
void Main::reactionClockTick() {
    reactionClock += DecimalSeconds::fromTenThousandths(10);
}

}  // namespace korvane
