#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/colour.h"
#include "common/random_source.h"
#include "race/main.h"
#include "tests/support/race_doubles.h"

namespace korvane::fuzz {

// One lamp as the player sees it, with the two colours it may show.
struct LampView {
    Colour colour = 0;
    Colour dim = 0;
    Colour lit = 0;
};

// The lamps in lane order: the player's ambers top to bottom, green, red, then the computer's.
enum Lamp {
    kPlayerAmber1,
    kPlayerAmber2,
    kPlayerAmber3,
    kPlayerGreen,
    kPlayerRed,
    kComputerAmber1,
    kComputerAmber2,
    kComputerAmber3,
    kComputerGreen,
    kComputerRed,
    kLampCount
};

// The text boxes a player can type into, in the window's order.
inline constexpr int kTextBoxCount = 8;

// What the race window shows and holds after a step, read in one go so a step can be judged
// against the one before it.
struct RaceView {
    int computerWins = 0;
    int playerWins = 0;
    std::int64_t clock = 0;  // the reaction clock in ten-thousandths of a second
    bool clockRunning = false;
    bool walkRunning = false;
    bool standardPlayerSequencer = false;
    bool standardComputerSequencer = false;
    bool proSequencer = false;

    std::array<LampView, kLampCount> lamps;
    bool computerFlag = false;
    bool playerFlag = false;
    bool playerRedPicture = false;
    bool computerRedPicture = false;
    std::string playerTime;
    std::string computerTime;
    bool computerTimeShown = false;
    std::string computerCount;
    std::string playerCount;
    std::string preStage;
    std::string staged;
    Colour raceButtonColour = 0;
    std::string raceButtonCaption;

    bool panelOpen = false;
    bool backdropShown = false;
    std::string setupCaption;
    Colour setupColour = 0;

    bool proTree = false;
    int rollOut = 0;
    bool muted = false;

    std::size_t soundsPlayed = 0;
    std::string lastSound;
    std::size_t messagesShown = 0;
    RandomSource random;     // the random source's state, to count the numbers a step drew
    ReleaseOutcome outcome;  // what the last release said it left on the board
};

// A race window on a virtual clock with recording sound and message boxes. Everything the
// fuzzer does to the window and reads back goes through here, so a change to the window's
// names touches this class alone.
class RaceRig {
  public:
    RaceRig();

    void press();
    void release();
    void advance(std::int64_t ms) { clock_.advanceBy(ms); }
    // The event loop blocked (a slow machine, a modal box): the missed ticks come at the next
    // advance.
    void block(std::int64_t ms) { clock_.block(ms); }
    void clickSetup();
    void chooseTree(bool pro);
    void chooseLevel(int level);  // 1 to 5
    void setRollOut(int value);
    void setMute(bool on);
    void type(int box, const std::string& text, bool append);  // box 0 to kTextBoxCount - 1
    // Sets the win counts directly, to reach a full counter without 32,767 races.
    void setWins(int computer, int player);
    void setSoundLength(std::int64_t ms) { sound_.lengthMs = ms; }

    RaceView view() const;

  private:
    RandomSource random_;
    testing::RecordingWavePlayer sound_;
    testing::RecordingMessageBoxes messages_;
    VirtualTimers clock_;
    ReleaseOutcome outcome_;
    Main main_;
};

}  // namespace korvane::fuzz
