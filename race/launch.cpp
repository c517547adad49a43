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
ReleaseOutcome Main::launched() {
    const bool proTree = proTreeSelected();
    const TreeRules& rules = rulesFor(proTree);
    reactionClock -= rules.correction;
    const DecimalSeconds p = reactionClock;
    player.timeDisplay.text = formatNumber(p);
    reactionClockTicker.setEnabled(false);
    (proTree ? proSequencer : playerSequencer).setEnabled(false);
    raceButton.backColor = colour::kDarkGreen;
    raceButton.caption = " Stage (Down)";
    const bool playerRed = p < rules.lampThreshold;
    finishPlayerLane(proTree, !playerRed);
    refresh(player.green);
    blankIndicators();
    computer.timeDisplay.visible = true;
    const double c = readNumber(computer.timeDisplay.text);
    const bool computerRed = isRedLight(c, rules);
    finishComputerLane(proTree, !computerRed);
    const Winner winner = decideWinner(p, c, rules.judgingThreshold, services_.random);
    ReleaseOutcome outcome{player.timeDisplay.text, computer.timeDisplay.text, playerRed,
                           computerRed, winner};
    if (!countWin(winner == Winner::Computer ? computer : player)) return outcome;
    outcome.counted = true;
    computer.winCountDisplay.text = formatNumber(computerWins);
    player.winCountDisplay.text = formatNumber(playerWins);
    refreshWindow();
    if (releaseWatch_) releaseWatch_->judged(outcome);
    if (muteSound.value == 0) playReleaseSound(playerRed);
    return outcome;
}

// The red lamp is on screen before the skull shows.
void Main::finishPlayerLane(bool proTree, bool clean) {
    if (clean) {
        player.lightGreen(proTree);
        return;
    }
    player.lightRed();
    refresh(player.red);
    player.redLightPicture.visible = true;
}

void Main::blankIndicators() {
    for (Control* indicator : {&preStage, &staged}) {
        indicator->backColor = colour::kWhite;
        indicator->caption = "";
    }
}

// Finishes the computer lane at once if it has not launched by itself yet.
void Main::finishComputerLane(bool proTree, bool clean) {
    if (clean) {
        computer.lightGreen(proTree);
    } else {
        showComputerRedLight();
    }
    if (!proTree) computerSequencer.setEnabled(false);
}

// The flag goes up before the count grows. A full count stays full: the player is told and the
// rest of this release is left undone rather than wrapping the count.
bool Main::countWin(Lane& winner) {
    winner.winnerFlag.visible = true;
    try {
        winner.wins = winner.wins + ShortInt::from(1);
    } catch (const OverflowError&) {
        services_.messages.show(kCounterFull);
        return false;
    }
    return true;
}

void Main::playReleaseSound(bool redLight) {
    const std::string_view name = redLight ? kRedLightWave : kLaunchWave;
    services_.sound.PlayWave(services_.soundFolder + "/" + std::string(name));
}

}  // namespace korvane
