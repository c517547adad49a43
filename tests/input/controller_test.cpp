#include <gtest/gtest.h>

#include <SDL.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "input/controller_reader.h"
#include "input/device_wait.h"
#include "input/held_inputs.h"
#include "input/race_button_holders.h"
#include "input/seen_presses.h"
#include "input/unreadable_controllers.h"

namespace korvane::testing {
namespace {

using input::Edge;

enum class Act { Button, Axis, Hat, Unplug };

// One controller event, in order, and the edge it makes (an unplug: how many came up).
struct Step {
    Act act;
    int device, index, value, rest;
    int expected;
};

TEST(HeldInputs, ButtonsAxesAndHatsGoDownAndUpOnceEach) {
    const int down = static_cast<int>(Edge::Down), up = static_cast<int>(Edge::Up), none = 0;
    const Step steps[] = {
        {Act::Button, 1, 0, 1, 0, down},
        {Act::Button, 1, 0, 1, 0, none},
        {Act::Button, 1, 3, 1, 0, down},
        {Act::Button, 1, 0, 0, 0, up},
        {Act::Button, 1, 0, 0, 0, none},
        {Act::Button, 2, 3, 1, 0, down},
        {Act::Axis, 1, 2, 16383, 0, none},
        {Act::Axis, 1, 2, 16384, 0, down},
        {Act::Axis, 1, 2, 10923, 0, none},
        {Act::Axis, 1, 2, 10922, 0, up},
        {Act::Axis, 1, 2, -20000, 0, down},
        {Act::Axis, 1, 2, 0, 0, up},
        {Act::Axis, 1, 5, -1, -32768, none},
        {Act::Axis, 1, 5, 1, -32768, down},
        {Act::Axis, 1, 5, -10000, -32768, none},
        {Act::Axis, 1, 5, -11000, -32768, up},
        {Act::Axis, 1, 4, 32767, 32767, none},
        {Act::Axis, 1, 4, -1, 32767, down},
        {Act::Hat, 1, 0, 1, 0, down},
        {Act::Hat, 1, 0, 0, 0, up},
        {Act::Unplug, 1, 0, 0, 0, 2},
        {Act::Unplug, 1, 0, 0, 0, 0},
        {Act::Button, 2, 3, 0, 0, up},
    };
    input::HeldInputs held;
    int row = 0;
    for (const Step& s : steps) {
        int got = 0;
        if (s.act == Act::Button) got = static_cast<int>(held.button(s.device, s.index, s.value));
        if (s.act == Act::Axis)
            got = static_cast<int>(held.axis(s.device, s.index, s.value, s.rest));
        if (s.act == Act::Hat) got = static_cast<int>(held.hat(s.device, s.index, s.value == 0));
        if (s.act == Act::Unplug) got = static_cast<int>(held.unplug(s.device).size());
        EXPECT_EQ(got, s.expected) << "row " << row++;
    }
    EXPECT_EQ(held.held(), 0);
}

// The first holder down stages, the last up launches: a second input never stages again.
TEST(RaceButtonHolders, OnlyTheFirstDownAndTheLastUpReachTheRace) {
    using input::HeldInputs;
    const HeldInputs::Input key = input::RaceButtonHolders::kRaceKey;
    const HeldInputs::Input pad{3, HeldInputs::Kind::Button, 0},
        pedal{4, HeldInputs::Kind::Axis, 2};
    const struct {
        HeldInputs::Input holder;
        bool down;
        Edge expected;
    } rows[] = {
        {key, true, Edge::Down},   {pad, true, Edge::None},  {key, true, Edge::None},
        {key, false, Edge::None},  {pad, false, Edge::Up},   {pad, false, Edge::None},
        {pedal, true, Edge::Down}, {pedal, false, Edge::Up},
    };
    input::RaceButtonHolders holders;
    int row = 0;
    for (const auto& r : rows) EXPECT_EQ(holders.change(r.holder, r.down), r.expected) << row++;
    EXPECT_FALSE(holders.any());
}

// A press made before the race window was on screen, delivered late or not, never races there.
TEST(SeenPresses, OnlyAPressMadeWhileTheWindowWasShownDownsAndReleasesThere) {
    using input::HeldInputs;
    const HeldInputs::Input pad{3, HeldInputs::Kind::Button, 0},
        pedal{4, HeldInputs::Kind::Axis, 2};
    const Moment shownAt{std::chrono::seconds(10)};
    const Moment before = shownAt - std::chrono::milliseconds(1), after = shownAt;
    const std::optional<Moment> notShown, shown = shownAt;
    const struct {
        HeldInputs::Input input;
        bool down;
        Moment at;
        std::optional<Moment> shown;
        bool reaches;
    } rows[] = {
        {pad, true, before, notShown, false}, {pad, false, after, shown, false},
        {pad, true, before, shown, false},    {pad, false, after, shown, false},
        {pad, true, after, shown, true},      {pedal, true, after, notShown, false},
        {pad, false, after, shown, true},     {pad, false, after, shown, false},
    };
    input::SeenPresses seen;
    int row = 0;
    for (const auto& r : rows) {
        EXPECT_EQ(r.down ? seen.down(r.input, r.at, r.shown) : seen.up(r.input), r.reaches)
            << row++;
    }
}

// Controller files the game may not read are named, with the udev rule that lets it.
TEST(UnreadableControllers, AreNamedWithTheUdevRuleAndReadableOnesAreNot) {
    const std::filesystem::path folder = ::testing::TempDir() + "by-id-" + std::to_string(getpid());
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "event3") << "x";
    // udev's links: one to a file that opens, two to files that do not (even for root).
    std::filesystem::create_symlink(folder / "event3", folder / "usb-Pad-event-joystick");
    std::filesystem::create_symlink(folder / "event9", folder / "usb-Pedal-event-joystick");
    std::filesystem::create_symlink(folder / "event9", folder / "usb-Keys-event-kbd");
    const auto found = input::unreadableControllers(folder.string());
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(found[0].name, "usb-Pedal-event-joystick");
    EXPECT_EQ(found[0].reason, "No such file or directory");
    EXPECT_NE(input::unreadableAdvice(found[0]).find("TAG+=\"uaccess\""), std::string::npos);
    EXPECT_TRUE(input::unreadableControllers((folder / "none").string()).empty());
    std::filesystem::remove_all(folder);
}

// The reader sleeps until a watched device file has something to read or it is woken.
TEST(DeviceWait, AWatchedFileWithSomethingToReadOrAWakeEndsTheWait) {
    const std::string path = ::testing::TempDir() + "device-" + std::to_string(getpid());
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    input::DeviceWait wait;
    ASSERT_TRUE(wait.watch(7, path.c_str()));
    const int device = ::open(path.c_str(), O_WRONLY);
    const std::function<void()> wakers[] = {[&] { EXPECT_EQ(::write(device, "x", 1), 1); },
                                            [&] { wait.wake(); }};
    for (const auto& waker : wakers) {
        auto waited = std::async(std::launch::async, [&] { wait.wait(std::chrono::hours(1)); });
        waker();
        const bool ended = waited.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        EXPECT_TRUE(ended);
        if (!ended) wait.wake();  // lets the test end
    }
    ::close(device);
    std::filesystem::remove(path);
}

// The reader's changes, as the game's event loop would get them.
class Changes {
  public:
    void add(const input::ControllerChange& change) {
        const std::lock_guard lock(mutex_);
        seen_.push_back({change.down, change.held});
        arrived_.notify_all();
    }
    // The changes seen once `count` have arrived, or after a generous wait.
    std::vector<std::pair<bool, int>> take(std::size_t count) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, std::chrono::seconds(10), [&] { return seen_.size() >= count; });
        return std::exchange(seen_, {});
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::pair<bool, int>> seen_;
};

// A virtual controller plugged in after the reader started, through SDL's own event path.
TEST(ControllerReader, AVirtualControllerPluggedInPressesAndReleasesAndLetsGoWhenPulledOut) {
    Changes changes;
    const input::ControllerReader reader([&](const auto& change) { changes.add(change); });
    ASSERT_TRUE(reader.running());
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // asleep, nothing plugged in
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;  // axis 5 is a trigger, resting at one end
    desc.naxes = 6;
    desc.nbuttons = 2;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    SDL_Joystick* pad = SDL_JoystickOpen(index);
    ASSERT_NE(pad, nullptr) << SDL_GetError();

    using Seen = std::vector<std::pair<bool, int>>;
    const struct {
        int button, axisValue;  // button -1: move the trigger to axisValue instead
        Seen expected;
    } rows[] = {
        {0, 1, {{true, 1}}},        {1, 1, {{true, 2}}},      {0, 0, {{false, 1}}},
        {-1, -30000, {}},           {-1, 20000, {{true, 2}}}, {-1, -10000, {}},
        {-1, -15000, {{false, 1}}}, {-1, 20000, {{true, 2}}},
    };
    for (const auto& row : rows) {
        if (row.button >= 0) SDL_JoystickSetVirtualButton(pad, row.button, row.axisValue);
        if (row.button < 0) SDL_JoystickSetVirtualAxis(pad, 5, static_cast<Sint16>(row.axisValue));
        EXPECT_EQ(changes.take(row.expected.size()), row.expected) << row.button << row.axisValue;
    }
    SDL_JoystickDetachVirtual(index);
    SDL_JoystickClose(pad);
    EXPECT_EQ(changes.take(2), (Seen{{false, 1}, {false, 0}}));
}

}  // namespace
}  // namespace korvane::testing
