#include <QApplication>
#include <QDir>

#include "race/main.h"
#include "ui/qt_message_boxes.h"
#include "ui/qt_timer_service.h"
#include "ui/race_window.h"
#include "ui/silent_wave_player.h"

namespace {

// The wave files are installed in share/korvane beside the bin folder the game runs from.
std::string soundFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/korvane")
        .toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korvane::RandomSource random;
    korvane::ui::SilentWavePlayer sound;
    korvane::ui::QtMessageBoxes messages;
    korvane::ui::QtTimerService timers;

    korvane::Main race({random, sound, messages, soundFolder()});
    for (korvane::Timer* timer : race.timers()) timer->setHost(&timers);
    korvane::ui::RaceWindow window(race);
    race.setSurface(&window);

    const auto report = [&messages](const std::exception& error) { messages.show(error.what()); };
    timers.setAfterTick([&window] { window.mirror(); });
    timers.setErrorReport(report);
    window.setErrorReport(report);
    window.onQuit([&window] { window.close(); });
    window.show();
    return app.exec();
}
