#include <QApplication>
#include <QIcon>

#include "app/lifecycle.h"
#include "art/pictures.h"
#include "sound/mod_play_wave.h"
#include "sound/sdl_wave_output.h"
#include "sound/sound_folder.h"
#include "ui/qt_message_boxes.h"
#include "ui/qt_timer_service.h"
#include "ui/qt_window_system.h"

namespace {

QIcon trafficLightIcon() {
    QIcon icon;
    icon.addFile(QString::fromLatin1(korvane::art::kTrafficLight16), QSize(16, 16));
    icon.addFile(QString::fromLatin1(korvane::art::kTrafficLight), QSize(32, 32));
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setWindowIcon(trafficLightIcon());

    korvane::RandomSource random;
    korvane::ui::QtMessageBoxes messages;
    korvane::SdlWaveOutput output;
    korvane::modPlayWave sound(output, messages);
    korvane::ui::QtTimerService timers;
    const auto report = [&messages](const std::exception& error) { messages.show(error.what()); };
    timers.setErrorReport(report);

    korvane::ui::QtWindowSystem windows(timers, report);
    korvane::Lifecycle life({random, sound, messages, korvane::soundFolder()}, windows, timers);
    windows.onQuit([&life] { life.quitClicked(); });
    life.start();
    const int status = app.exec();
    // The windows show the race window's model, so they go before it does.
    windows.destroyWindows();
    return status;
}
