#include "lifecycle.h"

#include <string>

#include "app/farewell.h"
#include "common/sound_names.h"

namespace korvane {

Lifecycle::Lifecycle(RaceServices services, WindowSystem& windows, TimerHost& timers)
    : services_(std::move(services)), windows_(windows), timers_(timers) {
    splash_.handOver.onTick([this] { handOverTick(); });
}

Lifecycle::~Lifecycle() {
    if (main_) windows_.unloadMain();
}

void Lifecycle::start() {
    splash_.handOver.setHost(&timers_);
    splashOnScreen_ = true;
    splashLoaded();
    windows_.showSplash(splash_);
}

void Lifecycle::splashLoaded() {
    splash_.handOver.setEnabled(true);
}

// The tick does not stop its own timer: unloading the splash window ends it. A tick that comes
// while the first one waits (a message box open during the start-up sound) finds the race
// window loaded and changes nothing, so the hand-over takes effect once.
void Lifecycle::handOverTick() {
    if (main_) return;
    loadMain();
    windows_.showMain();
}

void Lifecycle::loadMain() {
    main_ = std::make_unique<Main>(services_);
    for (Timer* t : main_->raceTimers()) t->setHost(&timers_);
    windows_.loadMain(*main_);
    raceWindowLoaded();
}

void Lifecycle::raceWindowLoaded() {
    // The start-up sound plays whatever the mute box says, and holds the splash on screen.
    services_.sound.PlayWave(services_.soundFolder + "/" + std::string(kFiredUpWave));
    unloadSplash();
}

void Lifecycle::unloadSplash() {
    if (!splashOnScreen_) return;
    splashOnScreen_ = false;
    splash_.handOver.setEnabled(false);
    windows_.unloadSplash();
}

void Lifecycle::quitClicked() {
    services_.messages.show(farewellMessage());
    if (main_) {
        for (Timer* t : main_->raceTimers()) t->setEnabled(false);
    }
    windows_.endProgram(0);
}

}  // namespace korvane
