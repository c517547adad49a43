#include "app/lifecycle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/virtual_timers.h"

namespace korvane {
namespace {

// One log for windows, sounds and message boxes, so tests can check their order.
struct EventLog {
    std::vector<std::string> entries;
    void add(std::string entry) { entries.push_back(std::move(entry)); }
};

// Keeps the windows it is given, so the tests can look at them.
class LoggingWindows : public WindowSystem {
  public:
    explicit LoggingWindows(EventLog& log) : log_(log) {}
    void showSplash(SplashForm& form) override {
        splash = &form;
        log_.add("show splash");
    }
    void unloadSplash() override { log_.add("unload splash"); }
    void loadMain(Main& form) override {
        main = &form;
        log_.add("load main");
    }
    void showMain() override { log_.add("show main"); }
    void endProgram(int status) override { log_.add("end " + std::to_string(status)); }

    SplashForm* splash = nullptr;
    Main* main = nullptr;

  private:
    EventLog& log_;
};

// A sound that takes virtual time, during which something else may happen (a nested loop).
class LoggingSound : public WavePlayer {
  public:
    explicit LoggingSound(EventLog& log) : log_(log) {}
    void PlayWave(const std::string& path) override {
        log_.add("play " + path);
        if (whilePlaying) whilePlaying();
        log_.add("sound ended");
    }
    std::function<void()> whilePlaying;

  private:
    EventLog& log_;
};

class LoggingMessages : public MessageBoxes {
  public:
    explicit LoggingMessages(EventLog& log) : log_(log) {}
    void show(const std::string& text) override { log_.add("message " + text); }

  private:
    EventLog& log_;
};

class LifecycleTest : public ::testing::Test {
  protected:
    LifecycleTest()
        : windows(log),
          sound(log),
          messages(log),
          life({random, sound, messages, "/opt/korvane/share/korvane"}, windows, clock) {}

    int count(const std::string& entry) const {
        return static_cast<int>(std::count(log.entries.begin(), log.entries.end(), entry));
    }

    EventLog log;
    LoggingWindows windows;
    LoggingSound sound;
    LoggingMessages messages;
    RandomSource random;
    VirtualTimers clock;
    Lifecycle life;
};

TEST_F(LifecycleTest, TheSplashShowsFirstAndHandsOverAfterTheStartUpSound) {
    life.start();
    EXPECT_EQ(log.entries, std::vector<std::string>{"show splash"});
    ASSERT_NE(windows.splash, nullptr);
    EXPECT_TRUE(windows.splash->Timer1.enabled());
    EXPECT_EQ(windows.main, nullptr);

    clock.advanceBy(55);  // the splash timer asks for 5 ms and gets the 55 ms floor
    EXPECT_EQ(log.entries, (std::vector<std::string>{"show splash", "load main",
                                                     "play /opt/korvane/share/korvane/FiredUp.wav",
                                                     "sound ended", "unload splash", "show main"}));
    ASSERT_NE(windows.main, nullptr);
}

TEST_F(LifecycleTest, TheHandOverHappensOnceThoughTheSplashTimerIsNeverStoppedByItsTick) {
    life.start();
    clock.advanceBy(55 * 20);
    EXPECT_EQ(count("load main"), 1);
    EXPECT_EQ(count("show main"), 1);
    EXPECT_FALSE(windows.splash->Timer1.enabled());
}

TEST_F(LifecycleTest, TicksDuringTheStartUpSoundChangeNothing) {
    // While "no sound came out!" is open, its own loop may deliver more splash ticks.
    sound.whilePlaying = [this] { clock.advanceBy(500); };
    life.start();
    clock.advanceBy(55);
    EXPECT_EQ(count("load main"), 1);
    EXPECT_EQ(count("show main"), 1);
    EXPECT_EQ(count("unload splash"), 1);
}

TEST_F(LifecycleTest, TheStartUpSoundPlaysEvenWhenRaceSoundsAreMuted) {
    life.start();
    clock.advanceBy(55);
    windows.main->Check1.value = 1;
    EXPECT_EQ(count("play /opt/korvane/share/korvane/FiredUp.wav"), 1);
}

TEST_F(LifecycleTest, QuitShowsTheFarewellThenEndsWithStatusZeroAndNothingRunsAfter) {
    life.start();
    clock.advanceBy(55);
    Main& main = *windows.main;
    main.Command1_MouseDown(1, 0, 0, 0);  // quit in the middle of a race
    clock.advanceBy(800);
    log.entries.clear();

    life.Command2_Click();
    ASSERT_EQ(log.entries.size(), 2u);
    EXPECT_EQ(log.entries[0].rfind("message This is a \"Beta Version\"", 0), 0u);
    EXPECT_EQ(log.entries[1], "end 0");
    EXPECT_TRUE(life.ended());

    const std::string staged = main.Label2.caption;
    clock.advanceBy(5000);
    EXPECT_EQ(main.Label2.caption, staged);  // the staging walk did not go on
    for (Timer* t : main.timers()) EXPECT_FALSE(t->enabled()) << t->name();
}

}  // namespace
}  // namespace korvane
