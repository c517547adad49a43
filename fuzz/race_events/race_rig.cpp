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

void RaceRig::press(int button, int shift) {
    main_.Command1_MouseDown(button, shift, 10, 10);
}

void RaceRig::release(int button, int shift) {
    main_.Command1_MouseUp(button, shift, 10, 10);
}

void RaceRig::clickSetup() {
    main_.Command3_Click();
}

void RaceRig::chooseTree(bool pro) {
    main_.Tree[1].value = pro ? 1 : 0;
    main_.Tree[2].value = pro ? 0 : 1;
}

void RaceRig::chooseLevel(int level) {
    for (int i = 1; i <= 5; ++i) main_.Level[i].value = i == level ? 1 : 0;
}

void RaceRig::setRollOut(int value) {
    main_.RollOut.value = value;
}

void RaceRig::setMute(bool on) {
    main_.Check1.value = on ? 1 : 0;
}

void RaceRig::type(int box, const std::string& text, bool append) {
    Control* boxes[kTextBoxCount] = {&main_.Text1, &main_.Text2, &main_.Text3, &main_.Text4,
                                     &main_.Text5, &main_.Text6, &main_.Text7, &main_.Text8};
    std::string& contents = boxes[box]->text;
    contents = append ? contents + text : text;
}

void RaceRig::setWins(int computer, int player) {
    main_.mPCwins = ShortInt::from(computer);
    main_.mplayerwins = ShortInt::from(player);
}

RaceView RaceRig::view() const {
    const Main& m = main_;
    RaceView v;
    v.computerWins = m.mPCwins.value();
    v.playerWins = m.mplayerwins.value();
    v.clock = m.RTVAL.tenThousandths();
    v.clockRunning = m.Timer5.enabled();
    v.walkRunning = m.Timer6.enabled();
    v.standardPlayerSequencer = m.Timer1.enabled();
    v.standardComputerSequencer = m.Timer2.enabled();
    v.proSequencer = m.Timer3.enabled();
    v.lamps = {amber(m.Shape1),  amber(m.Shape2), amber(m.Shape3), green(m.Shape4), red(m.Shape5),
               amber(m.Shape10), amber(m.Shape9), amber(m.Shape8), green(m.Shape7), red(m.Shape6)};
    v.computerFlag = m.Text3.visible;
    v.playerFlag = m.Text4.visible;
    v.playerRedPicture = m.Image1.visible;
    v.computerRedPicture = m.Image2.visible;
    v.playerTime = m.Text1.text;
    v.computerTime = m.Text2.text;
    v.computerTimeShown = m.Text2.visible;
    v.computerCount = m.Text8.text;
    v.playerCount = m.Text7.text;
    v.preStage = m.Label1.caption;
    v.staged = m.Label2.caption;
    v.raceButtonColour = m.Command1.backColor.value_or(0);
    v.raceButtonCaption = m.Command1.caption;
    v.panelOpen = m.Frame1.visible;
    v.backdropShown = m.Shape11.visible;
    v.setupCaption = m.Command3.caption;
    v.setupColour = m.Command3.backColor.value_or(0);
    v.proTree = m.Tree[1].value != 0;
    v.rollOut = m.RollOut.value;
    v.muted = m.Check1.value != 0;
    v.soundsPlayed = sound_.played.size();
    v.lastSound = sound_.played.empty() ? "" : sound_.played.back();
    v.messagesShown = messages_.shown.size();
    v.random = random_;
    return v;
}

}  // namespace korvane::fuzz
