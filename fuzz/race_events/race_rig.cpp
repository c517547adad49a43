#include "fuzz/race_events/race_rig.h"

namespace korvane::fuzz {

namespace {

LampView amber(const Control& lamp) {
    return {lamp.fillColor, colour::kDimAmber, colour::kLitAmber};
}
LampView green(const Control& lamp) {
    return {lamp.fillColor, colour::kDimGreen, colour::kLitGreen};
}
LampView red(const Control& lamp) {
    return {lamp.fillColor, colour::kDimRed, colour::kLitRed};
}

}  // namespace

RaceRig::RaceRig() : main_({random_, sound_, messages_, "/data"}) {
    for (Timer* t : main_.timers()) t->setHost(&clock_);
    sound_.clock = &clock_;
}

void RaceRig::press() {
    main_.stagePressed();
}

void RaceRig::release() {
    outcome_ = main_.launched();
}

void RaceRig::clickSetup() {
    main_.setupButtonClicked();
}

void RaceRig::chooseTree(bool pro) {
    main_.proTreeOption.value = pro ? 1 : 0;
    main_.standardTreeOption.value = pro ? 0 : 1;
}

void RaceRig::chooseLevel(int level) {
    for (int i = 1; i <= 5; ++i) main_.levelOptions[i].value = i == level ? 1 : 0;
}

void RaceRig::setRollOut(int value) {
    main_.rollOut.value = value;
}

void RaceRig::setMute(bool on) {
    main_.muteSound.value = on ? 1 : 0;
}

void RaceRig::type(int box, const std::string& text, bool append) {
    // Every text box of the window, in its order: times, winner flags, count labels, counts.
    Control* boxes[kTextBoxCount] = {&main_.Text1, &main_.Text2, &main_.Text3, &main_.Text4,
                                     &main_.Text5, &main_.Text6, &main_.Text7, &main_.Text8};
    std::string& contents = boxes[box]->text;
    contents = append ? contents + text : text;
}

void RaceRig::setWins(int computer, int player) {
    main_.computerWins = ShortInt::from(computer);
    main_.playerWins = ShortInt::from(player);
}

RaceView RaceRig::view() const {
    const Main& m = main_;
    RaceView v;
    v.outcome = outcome_;
    v.computerWins = m.computerWins.value();
    v.playerWins = m.playerWins.value();
    v.clock = m.reactionClock.tenThousandths();
    v.clockRunning = m.reactionClockTicker.enabled();
    v.walkRunning = m.stagingWalk.enabled();
    v.standardPlayerSequencer = m.playerSequencer.enabled();
    v.standardComputerSequencer = m.computerSequencer.enabled();
    v.proSequencer = m.proSequencer.enabled();
    v.lamps = {amber(m.player.topAmber),
               amber(m.player.middleAmber),
               amber(m.player.bottomAmber),
               green(m.player.green),
               red(m.player.red),
               amber(m.computer.topAmber),
               amber(m.computer.middleAmber),
               amber(m.computer.bottomAmber),
               green(m.computer.green),
               red(m.computer.red)};
    v.computerFlag = m.computer.winnerFlag.visible;
    v.playerFlag = m.player.winnerFlag.visible;
    v.playerRedPicture = m.player.redLightPicture.visible;
    v.computerRedPicture = m.computer.redLightPicture.visible;
    v.playerTime = m.player.timeDisplay.text;
    v.computerTime = m.computer.timeDisplay.text;
    v.computerTimeShown = m.computer.timeDisplay.visible;
    v.computerCount = m.computer.winCountDisplay.text;
    v.playerCount = m.player.winCountDisplay.text;
    v.preStage = m.preStage.caption;
    v.staged = m.staged.caption;
    v.raceButtonColour = m.raceButton.backColor.value_or(0);
    v.raceButtonCaption = m.raceButton.caption;
    v.panelOpen = m.setupPanel.visible;
    v.backdropShown = m.setupBackdrop.visible;
    v.setupCaption = m.setupButton.caption;
    v.setupColour = m.setupButton.backColor.value_or(0);
    v.proTree = m.proTreeOption.value != 0;
    v.rollOut = m.rollOut.value;
    v.muted = m.muteSound.value != 0;
    v.soundsPlayed = sound_.played.size();
    v.lastSound = sound_.played.empty() ? "" : sound_.played.back();
    v.messagesShown = messages_.shown.size();
    v.random = random_;
    return v;
}

}  // namespace korvane::fuzz
