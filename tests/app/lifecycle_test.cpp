#include "app/lifecycle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/virtual_timers.h"

namespace korvane {
namespace {

// The program's outside world in one log (windows, sounds, message boxes), so tests can check
// the order of what happened. It keeps the windows it is given.
class World : public WindowSystem, public WavePlayer, public MessageBoxes {
  public:
    void showSplash(SplashForm& form) override {
        splash = &form;
        log.push_back("show splash");
    }
    void unloadSplash() override { log.push_back("unload splash"); }
    void loadMain(Main& form) override {
        main = &form;
        log.push_back("load main");
        if (whenMainLoads) whenMainLoads(form);
    }
    void showMain() override { log.push_back("show main"); }
    void unloadMain() override { log.push_back("unload main"); }
    void endProgram(int status) override { log.push_back("end " + std::to_string(status)); }
    // A sound takes virtual time, during which something else may happen (a nested loop).
    void PlayWave(const std::string& path) override {
        log.push_back("play " + path);
        if (whilePlaying) whilePlaying();
        log.push_back("sound ended");
    }
    void show(const std::string& text) override { log.push_back("message " + text); }

    std::vector<std::string> log;
    SplashForm* splash = nullptr;
    Main* main = nullptr;
    std::function<void(Main&)> whenMainLoads;  // runs before the race window's load handler
    std::function<void()> whilePlaying;
};

class LifecycleTest : public ::testing::Test {
  protected:
    LifecycleTest() : life({random, world, world, "/opt/korvane/share/korvane"}, world, clock) {}

    int count(const std::string& entry) const {
        return static_cast<int>(std::count(world.log.begin(), world.log.end(), entry));
    }

    World world;
    RandomSource random;
    VirtualTimers clock;
    Lifecycle life;
};

TEST_F(LifecycleTest, TheSplashShowsFirstAndHandsOverAfterTheStartUpSound) {
    life.start();
    EXPECT_EQ(world.log, std::vector<std::string>{"show splash"});
    ASSERT_NE(world.splash, nullptr);
    EXPECT_TRUE(world.splash->handOver.enabled());
    EXPECT_EQ(world.main, nullptr);

    clock.advanceBy(55);  // the splash timer asks for 5 ms and gets the 55 ms floor
    EXPECT_EQ(world.log, (std::vector<std::string>{"show splash", "load main",
                                                   "play /opt/korvane/share/korvane/FiredUp.wav",
                                                   "sound ended", "unload splash", "show main"}));
    ASSERT_NE(world.main, nullptr);
}

TEST_F(LifecycleTest, TheHandOverHappensOnceThoughTheSplashTimerIsNeverStoppedByItsTick) {
    life.start();
    clock.advanceBy(55 * 20);
    EXPECT_EQ(count("load main"), 1);
    EXPECT_EQ(count("show main"), 1);
    EXPECT_FALSE(world.splash->handOver.enabled());
}

TEST_F(LifecycleTest, TicksDuringTheStartUpSoundChangeNothing) {
    // While "no sound came out!" is open, its own loop may deliver more splash ticks.
    world.whilePlaying = [this] { clock.advanceBy(500); };
    life.start();
    clock.advanceBy(55);
    EXPECT_EQ(count("load main"), 1);
    EXPECT_EQ(count("show main"), 1);
    EXPECT_EQ(count("unload splash"), 1);
}

TEST_F(LifecycleTest, TheStartUpSoundPlaysEvenWhenRaceSoundsAreMuted) {
    world.whenMainLoads = [](Main& main) { main.muteSound.value = 1; };
    life.start();
    clock.advanceBy(55);
    EXPECT_EQ(count("play /opt/korvane/share/korvane/FiredUp.wav"), 1);
}

TEST_F(LifecycleTest, QuitShowsTheFarewellThenEndsWithStatusZeroAndNothingRunsAfter) {
    life.start();
    clock.advanceBy(55);
    Main& main = *world.main;
    main.stagePressed();  // quit in the middle of a race
    clock.advanceBy(800);
    world.log.clear();

    life.quitClicked();
    ASSERT_EQ(world.log.size(), 2u);
    EXPECT_EQ(world.log[0].rfind("message This is a \"Beta Version\"", 0), 0u);
    EXPECT_EQ(world.log[0].find('\n'), std::string::npos) << "the farewell is one line";
    EXPECT_EQ(world.log[1], "end 0");

    const std::string staged = main.staged.caption;
    clock.advanceBy(5000);
    EXPECT_EQ(main.staged.caption, staged);  // the staging walk did not go on
    for (Timer* t : main.timers()) EXPECT_FALSE(t->enabled()) << t->name();
}

}  // namespace
}  // namespace korvane
