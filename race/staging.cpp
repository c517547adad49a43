#include "common/colour.h"
#include "race/main.h"
#include "race/skill_levels.h"

namespace korvane {

void Main::readSkillLevel() {
    for (int i = 1; i <= 5; ++i) {
        if (levelOptions[i].value != 0) {
            computerFastest = ShortInt::from(kLevelWindows[i].fastest);
            computerSlowest = ShortInt::from(kLevelWindows[i].slowest);
            return;
        }
    }
}

void Main::stagePressed() {
    const bool fullWalk = !stagingWalk.enabled() && staged.caption != "Staged";
    readSkillLevel();
    if (proTreeSelected()) {
        computerFastest = computerFastest - ShortInt::from(kProTreeLead);
        computerSlowest = computerSlowest - ShortInt::from(kProTreeLead);
    }
    raceButton.backColor = colour::kYellow;
    raceButton.caption = kLaunchCaption;
    player.timeDisplay.text = "";
    computer.timeDisplay.text = "";
    computer.winnerFlag.visible = false;
    player.winnerFlag.visible = false;
    player.redLightPicture.visible = false;
    computer.redLightPicture.visible = false;
    reactionClock = DecimalSeconds::fromMillis(rollOut.value);
    player.putOut();
    computer.putOut();
    // A tap's walk hands over by itself, so its clock and lamps may still run: every race starts
    // from a stopped clock.
    for (Timer* running :
         {&reactionClockTicker, &playerSequencer, &computerSequencer, &proSequencer}) {
        running->setEnabled(false);
    }
    stagingWalk.setEnabled(true);
    if (services_.startDelay != nullptr) services_.startDelay->raceStaged(fullWalk);
}

// The walk keeps no counter: the indicator captions say how far it has come.
void Main::stagingWalkTick() {
    if (preStage.caption != "Pre Stage") {
        preStage.backColor = colour::kPaleYellow;
        preStage.caption = "Pre Stage";
        return;
    }
    if (staged.caption != "Staged") {
        staged.backColor = colour::kPaleYellow;
        staged.caption = "Staged";
        return;
    }
    if (services_.startDelay != nullptr && services_.startDelay->holdHandOver()) {
        stagingWalk.setEnabled(false);
        return;
    }
    handOver();
}

void Main::handOver() {
    if (proTreeSelected()) {
        proSequencer.setEnabled(true);
    } else {
        playerSequencer.setEnabled(true);
        computerSequencer.setEnabled(true);
    }
    reactionClockTicker.setEnabled(true);
    stagingWalk.setEnabled(false);
}

}  // namespace korvane
