#include <QApplication>
#include <QFile>
#include <QIcon>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "app/lifecycle.h"
#include "common/message_boxes.h"
#include "logbook/logbook.h"
#include "race/result_sound_gate.h"
#include "sound/sound_folder.h"
#include "ui/kit/built_icon_engine.h"
#include "ui/shell/loaded_devices.h"
#include "ui/shell/qt_message_boxes.h"
#include "ui/shell/qt_timer_service.h"
#include "ui/shell/qt_window_system.h"
#include "ui/startup/colour_depth.h"
#include "ui/startup/command_line.h"
#include "ui/startup/display_guard.h"
#include "ui/startup/standard_streams.h"

namespace {

// The name, version and desktop entry the desktop shows the game under (on Wayland the window
// icon comes from the desktop entry).
void nameTheApplication() {
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("korvane.org"));
    QApplication::setDesktopFileName(QStringLiteral(KORVANE_DESKTOP_ID));
}

// Pictures rendered at build time, so showing a window renders no SVG.
QIcon trafficLightIcon() {
    return QIcon(new korvane::ui::BuiltIconEngine);
}

// For a message shown before the splash: the window icon, otherwise set once the splash is on
// screen, is set first so that the box carries it.
class IconFirst : public korvane::MessageBoxes {
  public:
    explicit IconFirst(korvane::MessageBoxes& boxes) : boxes_(boxes) {}
    void show(const std::string& text) override {
        QApplication::setWindowIcon(trafficLightIcon());
        boxes_.show(text);
    }

  private:
    korvane::MessageBoxes& boxes_;
};

// The sound folder, said once on stderr when it is missing: the game then plays silently. Qt
// finds the program's own file, so a symlink to the game leads here too.
std::string checkedSoundFolder() {
    const QByteArray program = QFile::encodeName(QCoreApplication::applicationDirPath());
    const std::string folder = korvane::soundFolder(program.toStdString());
    const std::string problem = korvane::soundFolderProblem(folder);
    if (!problem.empty()) std::fprintf(stderr, "%s\n", problem.c_str());
    return folder;
}

// The controllers stop before their sink, the route, goes.
struct ControllersClosed {
    korvane::ui::LoadedDevices& devices;
    ~ControllersClosed() { devices.closeControllers(); }
};

}  // namespace

int main(int argc, char* argv[]) {
    korvane::ui::openClosedStandardStreams();
    korvane::ui::ignoreBrokenPipes();
    nameTheApplication();
    // The command line is answered before a display is opened, so it works on a console.
    const korvane::ui::LogbookChoice kept = korvane::ui::answerCommandLine(argc, argv);
    auto logbook = kept.keep
                       ? std::make_unique<korvane::logbook::Logbook>(kept.path, KORVANE_VERSION)
                       : std::make_unique<korvane::logbook::Logbook>(korvane::logbook::Opened{},
                                                                     KORVANE_VERSION);
    const korvane::ui::DisplayGuard display;
    QApplication app(argc, argv);
    display.displayOpened();

    korvane::RandomSource random;
    // Seeded per run of the game, apart from the race's own random source.
    korvane::StartDelay startDelay(std::random_device{}());
    korvane::CarDelay carDelay;
    korvane::ui::QtMessageBoxes messages;
    IconFirst beforeTheSplash(messages);
    if (!korvane::ui::colourDepthUsable(beforeTheSplash)) return 1;
    korvane::ui::LoadedDevices sound(
        korvane::ui::devicesModulePath(QStringLiteral(KORVANE_DEVICES_MODULE)), messages);
    const auto report = [&messages](const std::exception& error) { messages.show(error.what()); };
    korvane::ui::QtTimerService timers(report);
    korvane::ResultSoundGate gatedSound(sound);
    korvane::ui::QtWindowSystem windows(timers, report, logbook.get(), &gatedSound);
    korvane::ui::ControllerRoute& route = windows.controllerRoute();
    korvane::Lifecycle life(
        {random, gatedSound, messages, checkedSoundFolder(), &startDelay, &carDelay}, windows,
        timers);
    QObject::connect(&windows, &korvane::ui::QtWindowSystem::quitClicked,
                     [&life] { life.quitClicked(); });
    life.start();
    // What the splash's first frame does not need starts once it is on screen.
    sound.load(route.sink(), route.devicesSink());
    const ControllersClosed controllers{sound};
    QApplication::setWindowIcon(trafficLightIcon());
    return app.exec();
}
