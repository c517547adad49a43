#include "fuzz/race_events/race_invariants.h"

#include <string>

#include "common/decimal_seconds.h"
#include "common/number_format.h"
#include "common/number_reading.h"

namespace korvane::fuzz {

namespace {

constexpr int kFullCount = 32767;

void require(bool ok, const std::string& rule) {
    if (!ok) throw Broken(rule);
}

std::string show(double value) {
    return std::to_string(value);
}

// The next few numbers of two sources agree only when both have drawn equally often.
bool sameDraws(RandomSource a, RandomSource b) {
    for (int i = 0; i < 4; ++i) {
        if (a.next() != b.next()) return false;
    }
    return true;
}

void checkAlways(const RaceView& b, const RaceView& a) {
    require(a.computerWins >= 0 && a.playerWins >= 0, "a win count is negative");
    require(a.computerWins >= b.computerWins && a.playerWins >= b.playerWins,
            "a win count went down");
    for (int i = 0; i < kLampCount; ++i) {
        const LampView& lamp = a.lamps[i];
        require(lamp.colour == lamp.dim || lamp.colour == lamp.lit,
                "lamp " + std::to_string(i) + " shows neither of its colours");
    }
    require(a.panelOpen == a.backdropShown, "the setup frame and its backdrop disagree");
    require(a.setupCaption == (a.panelOpen ? "Done" : "Setup") &&
                a.setupColour == (a.panelOpen ? colour::kYellow : colour::kBlue),
            "the setup button does not say what its next click does");
}

void checkQuiet(const RaceView& b, const RaceView& a) {
    require(a.soundsPlayed == b.soundsPlayed, "a sound played outside a release");
    require(a.messagesShown == b.messagesShown, "a message showed outside a release");
    require(a.computerWins == b.computerWins && a.playerWins == b.playerWins,
            "a win was counted outside a release");
}

void checkPress(const RaceView& b, const RaceView& a) {
    require(!a.computerFlag && !a.playerFlag, "a winner flag shows after the press");
    require(!a.playerRedPicture && !a.computerRedPicture,
            "a red-light picture shows after the press");
    require(a.playerTime.empty() && a.computerTime.empty(), "a time shows after the press");
    for (const LampView& lamp : a.lamps)
        require(lamp.colour == lamp.dim, "a lamp lit after the press");
    require(a.walkRunning, "the press did not start the staging walk");
    require(!a.clockRunning && !a.standardPlayerSequencer && !a.standardComputerSequencer &&
                !a.proSequencer,
            "the clock or a sequencer still runs after the press");
    require(a.clock == static_cast<std::int64_t>(a.rollOut) * 10,
            "the clock does not start from the roll-out");
    require(a.raceButtonColour == colour::kYellow && a.raceButtonCaption == "Launch (Up)",
            "the race button does not offer the launch");
    require(sameDraws(b.random, a.random), "the press drew a random number");
}

// The lane's lamps after the release: a red light keeps the ambers, a clean launch dims the
// last amber (on the Pro Tree all three) beside the lit green.
void checkLane(const RaceView& a, int firstAmber, bool red, bool redPicture, bool pro,
               const std::string& lane) {
    const LampView& green = a.lamps[firstAmber + 3];
    const LampView& redLamp = a.lamps[firstAmber + 4];
    if (red) {
        require(green.colour == green.dim && redLamp.colour == redLamp.lit && redPicture,
                lane + " red light not shown");
        return;
    }
    require(green.colour == green.lit, lane + " clean launch without a lit green");
    for (int i = pro ? 0 : 2; i < 3; ++i) {
        require(a.lamps[firstAmber + i].colour == a.lamps[firstAmber + i].dim,
                lane + " amber still lit beside the green");
    }
}

std::string countText(int count) {
    return " " + std::to_string(count);
}

}  // namespace

void RaceJudge::check(StepKind kind, const RaceView& before, const RaceView& after) {
    ++tally_.steps;
    checkAlways(before, after);
    switch (kind) {
        case StepKind::Press:
            checkQuiet(before, after);
            checkPress(before, after);
            pressedSinceRelease_ = true;
            ++tally_.presses;
            return;
        case StepKind::Release:
            checkRelease(before, after);
            pressedSinceRelease_ = false;
            return;
        case StepKind::Time:
            checkQuiet(before, after);
            require(after.clock >= before.clock, "the reaction clock went back");
            return;
        case StepKind::SetupClick:
            checkQuiet(before, after);
            require(after.panelOpen != before.panelOpen, "the setup button did not flip the panel");
            return;
        case StepKind::Wins:
            require(after.soundsPlayed == before.soundsPlayed, "a sound played outside a release");
            return;
        case StepKind::Setting:
        case StepKind::Typing:
            checkQuiet(before, after);
            return;
    }
}

void RaceJudge::checkRelease(const RaceView& b, const RaceView& a) {
    const bool pro = b.proTree;
    const std::int64_t p = b.clock - (pro ? 800 : 0);
    const double lampLine = pro ? 0.4 : 0.5;
    const double judgingLine = pro ? 0.399 : 0.499;
    require(a.clock == p, "the player's time is not the clock less the tree's correction");
    require(a.playerTime == formatNumber(DecimalSeconds::fromTenThousandths(p)),
            "the player's time shows as '" + a.playerTime + "'");
    require(!a.clockRunning, "the reaction clock runs on after the release");
    require(pro ? !a.proSequencer : !a.standardPlayerSequencer && !a.standardComputerSequencer,
            "a sequencer runs on after the release");
    require(a.walkRunning == b.walkRunning, "the release touched the staging walk");
    require(a.computerTime == b.computerTime, "the release changed the computer's time");
    require(a.computerTimeShown, "the computer's time is hidden after the release");
    require(a.preStage.empty() && a.staged.empty(), "a staging indicator still lit");
    require(a.raceButtonColour == colour::kDarkGreen && a.raceButtonCaption == " Stage (Down)",
            "the race button did not return to staging");

    // The judging rule: two clean launches go to the lower time, otherwise the higher wins;
    // equal times take one number from the random source, below one half the computer's.
    const double pTime = static_cast<double>(p) / 10000.0;
    const double c = readNumber(b.computerTime);
    const bool tie = pTime == c;
    RandomSource expected = b.random;
    const float r = tie ? expected.next() : 0.0f;
    require(sameDraws(expected, a.random),
            tie ? "a tie did not draw exactly one number" : "a race without a tie drew a number");
    const bool bothClean = pTime > judgingLine && c > judgingLine;
    const bool computerWins = tie ? r < 0.5f : (bothClean ? c < pTime : c > pTime);
    const std::string race = " (player " + show(pTime) + ", computer " + show(c) +
                             (pro ? ", Pro Tree)" : ", Standard Tree)");

    const bool playerRed = pTime < lampLine;
    checkLane(a, kPlayerAmber1, playerRed, a.playerRedPicture, pro, "player" + race);
    checkLane(a, kComputerAmber1, c < lampLine, a.computerRedPicture, pro, "computer" + race);

    const bool winnerFlag = computerWins ? a.computerFlag : a.playerFlag;
    const bool loserFlag = computerWins ? a.playerFlag : a.computerFlag;
    const bool loserFlagBefore = computerWins ? b.playerFlag : b.computerFlag;
    require(winnerFlag, "the winner's flag is not shown" + race);
    require(pressedSinceRelease_ ? !loserFlag : loserFlag == loserFlagBefore,
            "the loser's flag changed" + race);

    const int winnerBefore = computerWins ? b.computerWins : b.playerWins;
    const ReleaseOutcome& told = a.outcome;
    require(told.playerTime == a.playerTime && told.computerTime == a.computerTime &&
                told.playerRed == playerRed && told.computerRed == (c < lampLine) &&
                (told.winner == Winner::Computer) == computerWins &&
                told.counted == (winnerBefore != kFullCount),
            "the release told another outcome than the board shows" + race);
    if (winnerBefore == kFullCount) {
        require(a.computerWins == b.computerWins && a.playerWins == b.playerWins,
                "a full win count changed");
        require(a.messagesShown == b.messagesShown + 1, "a full win count was not reported");
        require(a.soundsPlayed == b.soundsPlayed, "a sound played after a full win count");
        require(a.computerCount == b.computerCount && a.playerCount == b.playerCount,
                "the counters were rewritten after a full win count");
        ++tally_.fullCounters;
    } else {
        const int computerGain = a.computerWins - b.computerWins;
        const int playerGain = a.playerWins - b.playerWins;
        require(computerGain == (computerWins ? 1 : 0) && playerGain == (computerWins ? 0 : 1),
                "the wrong win was counted" + race);
        require(a.messagesShown == b.messagesShown, "a message showed at a counted win");
        require(a.computerCount == countText(a.computerWins) &&
                    a.playerCount == countText(a.playerWins),
                "the counters show '" + a.computerCount + "' and '" + a.playerCount + "'");
        const std::string wanted = playerRed ? "/data/redlight.wav" : "/data/launch.wav";
        const std::size_t sounds = b.muted ? 0 : 1;
        require(a.soundsPlayed == b.soundsPlayed + sounds && (b.muted || a.lastSound == wanted),
                b.muted ? "a sound played while muted" : "not the sound for the player's time");
    }

    ++(pressedSinceRelease_ ? tally_.races : tally_.repeatReleases);
    if (tie) ++tally_.ties;
    if (playerRed) ++tally_.playerRedLights;
    if (b.muted) ++tally_.muted;
    ++(computerWins ? tally_.computerWins : tally_.playerWins);
}

}  // namespace korvane::fuzz
