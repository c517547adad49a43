#pragma once

#include <string>

#include "common/decimal_seconds.h"
#include "common/message_boxes.h"
#include "common/random_source.h"
#include "common/short_int.h"
#include "common/wave_player.h"
#include "race/main_form.h"

namespace korvane {

// What the race window's handlers reach outside the window.
struct RaceServices {
    RandomSource& random;
    WavePlayer& sound;
    MessageBoxes& messages;
    std::string soundFolder;  // holds launch.wav and redlight.wav
};

// The race window: its controls, the race state and the race handlers. Every handler reads
// what it needs from the controls and the race state when it runs; nothing else is kept.
class Main : public MainForm {
  public:
    explicit Main(RaceServices services);

    // The race state, all zero when the window is created.
    DecimalSeconds RTVAL;
    ShortInt mPCwins;
    ShortInt mplayerwins;
    ShortInt mhreact;  // the smaller bound of the computer's reaction window, ms
    ShortInt mlreact;  // the larger bound

    // The mouse arguments are part of the events; no handler uses them.
    void Command1_MouseDown(int Button, int Shift, float x, float Y);
    void Command1_MouseUp(int Button, int Shift, float x, float Y);
    void Command3_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer5_Timer();
    void Timer6_Timer();

  private:
    void readSkillLevel();
    bool proTreeSelected() const { return Tree[1].value != 0; }

    // The light sequencer's steps.
    void writeComputerTime();
    bool showComputerTimeAndCheckRed(bool proTree);
    void showComputerRedLight();

    // The release's steps.
    void lightPlayerLane(bool proTree, bool clean);
    void blankIndicators();
    void lightComputerLane(bool proTree, bool clean);
    bool countWin(bool computerWins);
    void showWinCounts();
    void playReleaseSound(bool redLight);

    RaceServices services_;
};

}  // namespace korvane
