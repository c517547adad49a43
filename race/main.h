#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "common/decimal_seconds.h"
#include "common/message_boxes.h"
#include "common/random_source.h"
#include "common/short_int.h"
#include "common/wave_player.h"
#include "race/car_delay.h"
#include "race/lane.h"
#include "race/main_form.h"
#include "race/release_outcome.h"
#include "race/release_watch.h"
#include "race/start_delay.h"

namespace korvane {

// What the race window's handlers reach outside the window.
struct RaceServices {
    RandomSource& random;
    WavePlayer& sound;
    MessageBoxes& messages;
    std::string soundFolder;           // holds launch.wav and redlight.wav
    StartDelay* startDelay = nullptr;  // a practice wait after "Staged"; none in the design
    CarDelay* carDelay = nullptr;      // a practice wait after letting go; none in the design
};

// The race window: its controls, the race state and the race handlers. Every handler reads
// what it needs from the controls and the race state when it runs; nothing else is kept.
class Main : public MainForm {
  public:
    explicit Main(RaceServices services);

    // The race state, all zero when the window is created.
    DecimalSeconds reactionClock;  // the player's time so far, counted up by its timer
    ShortInt computerWins;
    ShortInt playerWins;
    ShortInt computerFastest;  // the computer's reaction window for this race, ms
    ShortInt computerSlowest;

    // The window's controls by what they do in the race. A lane's are its top, middle and bottom
    // amber, green and red lamps, red-light picture, time display, winner flag and win count.
    Lane player{Shape1, Shape2, Shape3, Shape4, Shape5, Image1, Text1, Text4, Text7, playerWins};
    Lane computer{Shape10, Shape9, Shape8, Shape7, Shape6,
                  Image2,  Text2,  Text3,  Text8,  computerWins};
    Control& preStage = Label1;
    Control& staged = Label2;
    Control& raceButton = Command1;
    Control& setupButton = Command3;
    Control& quitButton = Command2;
    Control& setupPanel = Frame1;
    Control& setupBackdrop = Shape11;
    Control& proTreeOption = Tree[1];
    Control& standardTreeOption = Tree[2];
    std::array<Control, 6>& levelOptions = Level;  // [0] unused
    Control& muteSound = Check1;
    Control& rollOut = RollOut;

    // The race button's caption while it is held, from the press on.
    static constexpr const char* kLaunchCaption = "Launch (Up)";

    // A mouse button goes down on the race button: clear the last result and start staging.
    void stagePressed();
    // The button comes up: the player launches and the race is judged; returns what the board
    // then shows.
    ReleaseOutcome launched();
    // Opens the setup panel, or closes it.
    void setupButtonClicked();
    // Lights the next staging indicator, or hands over to the chosen tree's sequencer.
    void stagingWalkTick();
    // Standard Tree: the next amber of the lane, or its green.
    void playerSequencerTick();
    void computerSequencerTick();
    // Pro Tree: all six ambers at once, then both lanes launch.
    void proSequencerTick();
    // A thousandth more on the reaction clock.
    void reactionClockTick();

    // How long after `timer` starts its tick lights the player's green: the sequencer's fourth
    // tick on the Standard Tree, the second on the Pro Tree; none for the other timers.
    std::optional<std::chrono::milliseconds> greenDueAfterStart(const Timer& timer) const;
    // The window's timers with the start and car delays', when there are.
    std::vector<Timer*> raceTimers();
    StartDelay* startDelay() const { return services_.startDelay; }
    CarDelay* carDelay() const { return services_.carDelay; }
    // The start delay drawn for the race staged last; none when off.
    std::optional<int> startDelayMs() const;
    // Told of each counted release once the board shows it; none by default.
    void setReleaseWatch(ReleaseWatch* watch) { releaseWatch_ = watch; }

  private:
    void readSkillLevel();
    void handOver();
    bool proTreeSelected() const { return proTreeOption.value != 0; }

    // The light sequencer's steps.
    void writeComputerTime();
    bool showComputerTimeAndCheckRed(bool proTree);
    void showComputerRedLight();

    // The release's steps.
    void finishPlayerLane(bool proTree, bool clean);
    void blankIndicators();
    void finishComputerLane(bool proTree, bool clean);
    bool countWin(Lane& winner);
    void playReleaseSound(bool redLight);

    RaceServices services_;
    ReleaseWatch* releaseWatch_ = nullptr;
};

}  // namespace korvane
