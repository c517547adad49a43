#include "ui/controller_link.h"

#include <QCoreApplication>

#include "ui/qt_window_system.h"
#include "ui/race_window.h"

namespace korvane::ui {

input::ControllerReader::Sink raceWindowSink(const QtWindowSystem& windows) {
    return [&windows](const input::ControllerChange& change) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [&windows, change] {
                if (RaceWindow* race = windows.raceWindow()) {
                    race->controllerInput(change.down, change.held > 0, change.at);
                }
            },
            Qt::QueuedConnection);
    };
}

}  // namespace korvane::ui
