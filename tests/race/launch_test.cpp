#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "race_fixture.h"

namespace korvane::testing {
namespace {

// One row of the outcome table, in Standard Tree milliseconds; the Pro Tree runs 100 lower.
struct Outcome {
    int number;
    int playerMs;
    int computerMs;
    bool playerRed;
    bool computerRed;
    bool playerWins;  // for a tie: the side the arranged tie-break draw favours
    bool tie;
    bool atTheLine;  // the player's time right at the red-light line
};

const Outcome kOutcomes[] = {
    {1, 503, 510, false, false, true, false, false},
    {2, 512, 505, false, false, false, false, false},
    {3, 505, 505, false, false, false, true, false},
    {4, 497, 505, true, false, false, false, false},
    {5, 503, 498, false, true, true, false, false},
    {6, 495, 498, true, true, false, false, false},
    {7, 498, 495, true, true, true, false, false},
    {8, 497, 497, true, true, true, true, false},
    // One thousandth under the line is a red light that loses to a slower clean launch; on the
    // line is a clean launch that wins.
    {4, 499, 505, true, false, false, false, true},
    {1, 500, 505, false, false, true, false, true},
};

// Readable parameters in test output.
void PrintTo(const Outcome& o, std::ostream* os) {
    *os << "case " << o.number << ": player " << o.playerMs << ", computer " << o.computerMs;
}

// Three-digit milliseconds as a display shows them; the player's drops trailing zeros.
std::string shown(int ms, bool playersDisplay) {
    std::string digits = std::to_string(ms);
    if (playersDisplay) digits.erase(digits.find_last_not_of('0') + 1);
    return (playersDisplay ? " ." : ".") + digits;
}

class LaunchOutcome : public RaceTest,
                      public ::testing::WithParamInterface<std::tuple<Outcome, bool>> {
  protected:
    const Outcome& outcome() const { return std::get<0>(GetParam()); }
    bool pro() const { return std::get<1>(GetParam()); }
    int lower() const { return pro() ? 100 : 0; }

    // Releases with the ambers still lit, so the lanes show what the release itself decides.
    void raceAndRelease() {
        if (pro()) chooseProTree();
        const auto t0 = stageAndHandOver();
        clock.advanceTo(t0 + (pro() ? 500 : 1600));
        main.computer.timeDisplay.text = shown(outcome().computerMs - lower(), false);
        // The Pro Tree takes 80 ms off the clock at the release.
        setClock((outcome().playerMs - lower() + (pro() ? 80 : 0)) * 10);
        if (outcome().tie) arrangeNextDrawBelowHalf(!outcome().playerWins);
        beforeRelease = random;
        events.clear();
        release();
    }

    RandomSource beforeRelease;

    // Released with the ambers lit: a red light keeps them, a clean launch puts them all out.
    Lamps laneAfter(bool red) const {
        if (!red) return {DA, DA, DA, LG, DR};
        return pro() ? Lamps{LA, LA, LA, DG, LR} : Lamps{DA, DA, LA, DG, LR};
    }
};

TEST_P(LaunchOutcome, TheReleaseLightsBothLanesNamesOneWinnerCountsItAndPlaysTheSound) {
    raceAndRelease();

    EXPECT_EQ(main.player.timeDisplay.text, shown(outcome().playerMs - lower(), true));
    EXPECT_EQ(lamps(main.player), laneAfter(outcome().playerRed));
    EXPECT_EQ(main.player.redLightPicture.visible, outcome().playerRed);
    EXPECT_EQ(lamps(main.computer), laneAfter(outcome().computerRed));
    EXPECT_EQ(main.computer.redLightPicture.visible, outcome().computerRed);
    EXPECT_TRUE(main.computer.timeDisplay.visible);
    EXPECT_EQ(main.computer.timeDisplay.text, shown(outcome().computerMs - lower(), false));
    const bool playerWins = outcome().playerWins;
    EXPECT_EQ(main.player.winnerFlag.visible, playerWins);
    EXPECT_EQ(main.computer.winnerFlag.visible, !playerWins);
    EXPECT_EQ(main.playerWins.value(), playerWins ? 1 : 0);
    EXPECT_EQ(main.computerWins.value(), playerWins ? 0 : 1);
    EXPECT_EQ(main.player.winCountDisplay.text, playerWins ? " 1" : " 0");
    EXPECT_EQ(main.computer.winCountDisplay.text, playerWins ? " 0" : " 1");
    EXPECT_EQ(main.raceButton.caption, " Stage (Down)");
    EXPECT_EQ(main.raceButton.backColor, colour::kDarkGreen);
    for (const Control* indicator : {&main.preStage, &main.staged}) {
        EXPECT_EQ(indicator->caption, "");
        EXPECT_EQ(indicator->backColor, colour::kWhite);
    }
    const std::string sound = outcome().playerRed ? "/data/redlight.wav" : "/data/launch.wav";
    EXPECT_EQ(events.back(), "sound " + sound);
    EXPECT_EQ(this->sound.played, std::vector<std::string>{sound});
}

TEST_P(LaunchOutcome, ATieDrawsExactlyOneNumberAndAnyOtherRaceNone) {
    raceAndRelease();
    RandomSource expected = beforeRelease;
    if (outcome().tie) expected.next();
    EXPECT_EQ(random.next(), expected.next());
}

TEST_P(LaunchOutcome, TheReleaseStopsTheClockAndTheSequencersSoTheResultStaysOnShow) {
    raceAndRelease();
    const auto clockValue = main.reactionClock;
    const Colour green = main.player.green.fillColor, computerGreen = main.computer.green.fillColor;
    clock.advanceBy(3000);
    EXPECT_EQ(main.reactionClock, clockValue);
    EXPECT_EQ(main.player.green.fillColor, green);
    EXPECT_EQ(main.computer.green.fillColor, computerGreen);
    EXPECT_EQ(running(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EveryCaseOnBothTrees, LaunchOutcome,
                         ::testing::Combine(::testing::ValuesIn(kOutcomes), ::testing::Bool()),
                         [](const auto& info) {
                             const Outcome& o = std::get<0>(info.param);
                             return "Case" + std::to_string(o.number) +
                                    (o.atTheLine ? "AtTheLine" : "") +
                                    (std::get<1>(info.param) ? "ProTree" : "StandardTree");
                         });

}  // namespace
}  // namespace korvane::testing
