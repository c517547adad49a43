#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

#include "session/race_moments.h"
#include "session/session_figures.h"
#include "session/slip_log.h"
#include "session/slip_text.h"
#include "tests/race/race_fixture.h"
#include "tests/support/virtual_timers.h"

namespace korvane::testing {
namespace {

using std::chrono::milliseconds;
constexpr int kNone = 9999;  // no green moment, no R/T
const Moment kT0{std::chrono::seconds(1000)};

Moment at(int ms) {
    return kT0 + milliseconds(ms);
}

// A run released `release` ms after the start with the given green moments; the green's frame
// was handed over when it was due unless said.
RaceRecord run(int release, int due, int onset, bool red = false, int handedOver = kNone) {
    RaceRecord r;
    r.release = at(release);
    if (due != kNone) r.green.due = at(due);
    if (onset != kNone) r.green.onset = at(onset);
    if (onset != kNone) r.green.handedOver = at(handedOver == kNone ? due : handedOver);
    r.playerRed = red;
    r.rt = trueReactionTime(r.release, r.green);
    return r;
}

struct RtRow {
    int release, due, onset, handedOver, expectedMs;
};

TEST(TrueReactionTime, CountsFromTheOnsetOrBeforeTheGreenFromItsDueMoment) {
    const RtRow rows[] = {
        {2213, 2000, 2004, 2001, 209},      // from the frame, not the due moment
        {1959, 2000, kNone, kNone, -41},    // before the green: against its due moment
        {2003, 2000, 2010, 2001, -7},       // before the green's frame reached the screen
        {1400, 2000, 1402, 1401, -600},     // a green the release itself lit: not reacted to
        {900, kNone, kNone, kNone, kNone},  // before the hand-over
        {2500, kNone, 2004, 2001, kNone},   // an onset without a hand-over belongs to no race
    };
    for (const RtRow& r : rows) {
        const RaceRecord record = run(r.release, r.due, r.onset, false, r.handedOver);
        const auto rt = trueReactionTime(at(r.release), record.green);
        if (r.expectedMs == kNone) {
            EXPECT_FALSE(rt) << r.release;
        } else {
            EXPECT_EQ(rt, milliseconds(r.expectedMs)) << r.release;
        }
    }
}

// A run on TREE with a true R/T of RT_US microseconds; kNone: released before the hand-over.
RaceRecord timed(int rtUs, Tree tree = Tree::Standard) {
    RaceRecord r;
    r.tree = tree;
    if (rtUs != kNone) r.rt = std::chrono::microseconds(rtUs);
    return r;
}

// "runs early staging | best median mean deviation consistency", "-" for a figure left empty.
std::string text(const TreeFigures& f) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(2) << f.runs << ' ' << f.early << ' ' << f.staging
        << " |";
    for (const auto& v : {f.best, f.median, f.mean, f.deviation, f.consistency}) {
        out << (v ? " " : " -");
        if (v) out << *v;
    }
    return out.str();
}

struct FiguresRow {
    std::vector<int> standardUs, proUs;
    std::optional<Tree> tree;  // none: both trees
    const char* expected;
};

TEST(TreeFigures, CountCleanReactionsInShownMillisecondsOnTheirTree) {
    const std::vector<int> standard{200000, 220000}, pro{150000, kNone, -10000};
    const FiguresRow rows[] = {
        {{}, {}, {}, "0 0 0 | - - - - -"},
        {{kNone}, {}, {}, "1 0 1 | - - - - -"},
        {{200000}, {}, {}, "1 0 0 | 200.00 200.00 200.00 - 1.00"},
        // early starts count apart and leave the figures
        {{-41000, 0, 230000, 210000}, {}, {}, "4 1 0 | 0.00 210.00 146.67 127.41 0.33"},
        // rounded first: -0.4 ms shows .000, clean; -0.5 ms shows -.001; 222.6 is .010 off 212.5
        {{212500, -400, -500, 222600}, {}, {}, "4 1 0 | 0.00 213.00 145.33 125.96 0.67"},
        {{212000, 213000}, {}, {}, "2 0 0 | 212.00 212.50 212.50 0.71 1.00"},
        {standard, pro, Tree::Standard, "2 0 0 | 200.00 210.00 210.00 14.14 1.00"},
        {standard, pro, Tree::Pro, "3 1 1 | 150.00 150.00 150.00 - 1.00"},
        {standard, pro, {}, "5 1 1 | 150.00 200.00 190.00 36.06 0.33"},
    };
    for (const FiguresRow& r : rows) {
        std::vector<RaceRecord> runs;
        for (int us : r.standardUs) runs.push_back(timed(us));
        for (int us : r.proUs) runs.push_back(timed(us, Tree::Pro));
        EXPECT_EQ(text(treeFigures(runs, r.tree)), r.expected);
    }
}

// "perfect share slowest within-.020", "-" for a figure left empty.
std::string perfectText(const CountedFigures& f) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(3) << f.perfect;
    for (const auto& v : {f.perfectShare, f.slowest, f.withinPerfect20}) {
        out << (v ? " " : " -");
        if (v) out << *v;
    }
    return out.str();
}

// Counted on the thousandths shown: 9.4 ms is perfect, 9.5 shows .010; -0.4 shows .000.
TEST(TreeFigures, PerfectLightsSlowestAndTheShareWithinTwentyOfPerfect) {
    const std::vector<int> mixed{9400, 9500, 0, -400, -500, 20400, 20500, 250000};
    const FiguresRow rows[] = {
        {{}, {}, {}, "0 - - -"},
        {{kNone}, {}, {}, "0 0.000 - 0.000"},
        {{-41000}, {}, {}, "0 0.000 - 0.000"},
        {mixed, {}, {}, "3 0.375 250.000 0.625"},
        {mixed, {5000, 30000}, Tree::Pro, "1 0.500 30.000 0.500"},
        {mixed, {5000, 30000}, {}, "4 0.400 250.000 0.600"},
    };
    for (const FiguresRow& r : rows) {
        std::vector<RaceRecord> runs;
        for (int us : r.standardUs) runs.push_back(timed(us));
        for (int us : r.proUs) runs.push_back(timed(us, Tree::Pro));
        EXPECT_EQ(perfectText(countedFigures(runs, r.tree)), r.expected);
    }
}

// Two runs in both formats: a clean loss on the Pro Tree and a red light during staging.
TEST(SlipText, WritesEveryRunAsTabAndCommaSeparatedRows) {
    RaceRecord a = run(1213, 1000, 1004);
    a.run = 1, a.tree = Tree::Pro, a.level = "Race of Champions", a.rollOutMs = 465;
    a.playerTime = " .404", a.computerTime = ".401", a.winner = Winner::Computer;
    a.onsetSource = "presented", a.startDelayMs = 1230, a.pressToHandOverMs = 3630;
    a.carDelayMs = 400;
    RaceRecord b = run(500, kNone, kNone, true);
    b.run = 2, b.level = "Novice Trophy", b.rollOutMs = 455, b.playerTime = " .455";
    const std::vector<RaceRecord> runs{a, b};
    const std::pair<std::string, std::string> rows[] = {
        {slipTsv(runs),
         "run\ttree\tlevel\trollout\treaction\tplayer\tcomputer\tresult\tonset\tstart "
         "delay\trelease\tcar delay\n"
         "1\tPro\tRace of "
         "Champions\t0.465\t0.209\t0.404\t0.401\tloss\tshown\t3.630\t-0.191\t0.400\n"
         "2\tStandard\tNovice Trophy\t0.455\t\t0.455\t\tred light\t\t\t\t\n"},
        {slipCsv(runs),
         "run,tree,level,rollout,reaction,player,computer,result,onset,start delay,release,car "
         "delay\r\n"
         "1,Pro,Race of Champions,0.465,0.209,0.404,0.401,loss,shown,3.630,-0.191,0.400\r\n"
         "2,Standard,Novice Trophy,0.455,,0.455,,red light,,,,\r\n"},
        {plainDecimal(-41) + " " + plainDecimal(5) + " " + boardTimeText(" .5"),
         "-0.041 0.005 0.500"},
        {boardMillis(212.5) + " " + boardMillis(-41) + " " + boardMillis(10500) + " " +
             boardMillis(-10500),
         ".213 -.041 10.500 -10.500"},
        {reactionText(timed(212500)) + " " + reactionText(timed(-400)) + " " +
             reactionText(timed(-500)) + " " + reactionText(timed(1800000)),
         "0.213 0.000 -0.001 1.800"},
    };
    for (const auto& [got, want] : rows) EXPECT_EQ(got, want);
}

class SlipLogTest : public RaceTest {
  protected:
    RaceMoments moments{main};
    SlipLog log{main};
};

// The sequencer's start sets the due green; an onset reported for an earlier race is dropped.
TEST_F(SlipLogTest, RecordsEachCountedReleaseWithItsRaceMoments) {
    moments.timerStarted(main.stagingWalk, at(0));
    const auto firstRace = moments.race();
    moments.timerStarted(main.playerSequencer, at(2400));
    moments.greenShown(firstRace, at(4402), at(4403), "flushed");
    stage();
    setClock(5210);
    ASSERT_TRUE(log.released(release(), at(4613), moments));
    moments.timerStarted(main.stagingWalk, at(6000));
    moments.greenShown(firstRace, at(6099), at(6100), "flushed");
    moments.timerStarted(main.proSequencer, at(8400));
    stage();
    setClock(3000);
    ASSERT_TRUE(log.released(release(), at(9000), moments));
    main.playerWins = main.computerWins = ShortInt::from(32767);
    stage();
    setClock(5210);
    // the full counter stops the release before it counts
    EXPECT_FALSE(log.released(release(), at(9500), moments));

    ASSERT_EQ(log.runs().size(), 2u);
    EXPECT_EQ(reactionText(log.runs()[0]), "0.210");
    EXPECT_EQ(onsetText(log.runs()[0]), "sent to screen");
    EXPECT_EQ(log.runs()[0].level, "Normal");
    EXPECT_EQ(resultName(log.runs()[0]), "win");
    EXPECT_EQ(reactionText(log.runs()[1]), "-0.200");  // 800 ms after the hand-over is due
    EXPECT_EQ(resultName(log.runs()[1]), "red light");
    EXPECT_EQ(log.runs()[1].run, 2);
}

// A compositor tells the onset a frame or two after it: a release in between takes it late, and
// a later race's onset never reaches an earlier run.
TEST_F(SlipLogTest, TheNewestRunTakesItsRacesOnsetWhenItComesAfterTheRelease) {
    moments.timerStarted(main.stagingWalk, at(0));
    const auto race = moments.race();
    moments.timerStarted(main.playerSequencer, at(2400));
    stage();
    setClock(5210);
    ASSERT_TRUE(log.released(release(), at(4410), moments));
    EXPECT_EQ(reactionText(log.runs()[0]), "0.010");  // against the due moment, for now
    moments.greenShown(race, at(4402), at(4420), "presented");
    EXPECT_TRUE(log.greenShownLate(race, moments));
    EXPECT_EQ(reactionText(log.runs()[0]), "-0.010");
    EXPECT_EQ(onsetText(log.runs()[0]), "shown");
    EXPECT_FALSE(log.greenShownLate(race, moments));  // once
    moments.timerStarted(main.stagingWalk, at(6000));
    EXPECT_FALSE(log.greenShownLate(moments.race(), moments));
    // A tap during the staging walk: the walk goes on to a green that is not the tap's.
    main.stagePressed();
    ASSERT_TRUE(log.released(release(), at(6100), moments));
    moments.timerStarted(main.playerSequencer, at(8400));
    moments.greenShown(moments.race(), at(10402), at(10403), "presented");
    EXPECT_FALSE(log.greenShownLate(moments.race(), moments));
    EXPECT_EQ(reactionText(log.runs().back()), "");
}

// A race window with a start delay on a virtual clock whose timers' starts reach the slip's
// moments, as the game's timer service tells them.
struct DelayRig : VirtualTimers {
    explicit DelayRig(bool delayOn) {
        delay.setRange(delayOn ? std::optional(DelayRange{500, 2000}) : std::nullopt);
        for (Timer* t : main.raceTimers()) t->setHost(this);
    }
    void timerEnabled(Timer& timer) override {
        VirtualTimers::timerEnabled(timer);
        moments.timerStarted(timer, kT0 + milliseconds(now()));
    }
    StartDelay delay{7};
    RandomSource random;
    RecordingWavePlayer sound;
    RecordingMessageBoxes messages;
    Main main{{random, sound, messages, "/data", &delay}};
    RaceMoments moments{main};
    SlipLog log{main};
};

// The Delay column is the wait from the press to the hand-over on the game's clock, the walk and
// the extra wait together, where the press began the walk with the delay on; else empty.
TEST(SlipDelay, IsThePressToTheHandOverWhereThePressBeganTheWalk) {
    const struct {
        bool delayOn;
        int tapAheadMs;  // a tap this long before the press, its walk still running; 0 for none
        bool shown;
    } rows[] = {{true, 0, true}, {false, 0, false}, {true, 1000, false}, {false, 1000, false}};
    for (const auto& row : rows) {
        DelayRig rig(row.delayOn);
        if (row.tapAheadMs > 0) {
            rig.main.stagePressed();
            rig.main.launched();
            rig.advanceBy(row.tapAheadMs);
        }
        const std::int64_t pressed = rig.now();
        rig.main.stagePressed();
        while (!rig.main.reactionClockTicker.enabled()) rig.advanceBy(1);
        const auto handOver = static_cast<int>(rig.now() - pressed);
        rig.advanceBy(300);
        ASSERT_TRUE(
            rig.log.released(rig.main.launched(), kT0 + milliseconds(rig.now()), rig.moments));
        EXPECT_EQ(startDelayText(rig.log.runs().back()), row.shown ? plainDecimal(handOver) : "")
            << row.delayOn << " " << row.tapAheadMs;
    }
}

}  // namespace
}  // namespace korvane::testing
