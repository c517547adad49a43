#include "lifecycle.h"

#include <string>

#include "app/farewell.h"
#include "common/sound_names.h"

namespace korvane {

Lifecycle::Lifecycle(RaceServices services, WindowSystem& windows, TimerHost& timers)
    : services_(std::move(services)), windows_(windows), timers_(timers) {
    splash_.Timer1.onTick([this] { Splash_Timer1_Timer(); });
}

void Lifecycle::start() {
    splash_.Timer1.setHost(&timers_);
    splashLoaded_ = true;
    Splash_Form_Load();
    windows_.showSplash(splash_);
}

void Lifecycle::Splash_Form_Load() {
    splash_.Timer1.setEnabled(true);
}

// The tick does not stop its own timer: unloading the splash window ends it. A tick that comes
// while the first one waits (a message box open during the start-up sound) finds the race
// window loaded and changes nothing, so the hand-over takes effect once.
void Lifecycle::Splash_Timer1_Timer() {
    if (main_) return;
    loadMain();
    windows_.showMain();
}

void Lifecycle::loadMain() {
    main_ = std::make_unique<Main>(services_);
    for (Timer* t : main_->timers()) t->setHost(&timers_);
    windows_.loadMain(*main_);
    Main_Form_Load();
}

void Lifecycle::Main_Form_Load() {
    // The start-up sound plays whatever the mute box says, and holds the splash on screen.
    services_.sound.PlayWave(services_.soundFolder + "/" + std::string(kFiredUpWave));
    unloadSplash();
}

void Lifecycle::unloadSplash() {
    if (!splashLoaded_) return;
    splashLoaded_ = false;
    splash_.Timer1.setEnabled(false);
    windows_.unloadSplash();
}

void Lifecycle::Command2_Click() {
    services_.messages.show(farewellMessage());
    ended_ = true;
    if (main_) {
        for (Timer* t : main_->timers()) t->setEnabled(false);
    }
    windows_.endProgram(0);
}

}  // namespace korvane
