#include "ui/shell/controller_link.h"

#include <QCoreApplication>
#include <memory>
#include <set>

#include "ui/race_window/race_window.h"
#include "ui/shell/qt_window_system.h"

namespace korvane::ui {

namespace {

// The inputs whose press reached the race window: only their releases follow, so a button held
// through the splash lets go without being taken for a start.
using Delivered = std::set<input::HeldInputs::Input>;

bool passOn(Delivered& delivered, const input::ControllerChange& change, bool windowUp) {
    if (!change.down) return delivered.erase(change.input) > 0 && windowUp;
    if (windowUp) delivered.insert(change.input);
    return windowUp;
}

}  // namespace

input::ControllerReader::Sink raceWindowSink(const QtWindowSystem& windows) {
    // Read and written on the event loop's thread only.
    auto delivered = std::make_shared<Delivered>();
    return [&windows, delivered](const input::ControllerChange& change) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [&windows, delivered, change] {
                RaceWindow* race = windows.raceWindow();
                if (passOn(*delivered, change, race != nullptr)) {
                    race->controllerInput(change.down, change.held > 0, change.at);
                }
            },
            Qt::QueuedConnection);
    };
}

}  // namespace korvane::ui
