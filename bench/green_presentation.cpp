// When the player's lit green reaches the screen on Wayland: the compositor's presentation time
// against the moment the race window flushed the frame, for greens lit at random moments:
//   QT_QPA_PLATFORM=wayland scripts/with-weston build/default/bench/green_presentation [onsets]
// (with-weston runs weston headless at 60 Hz when DISPLAY is unset).
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "race/main.h"
#include "tests/support/race_doubles.h"
#include "ui/race_window/race_window.h"
#include "ui/timing/frame_presentation.h"

namespace {

using namespace korvane;

struct Onsets {
    std::vector<double> delays;  // presented - flushed, ms
    double refreshMs = 0;
    int discarded = 0;
};

// Lights (or dims) the player's green and commits the frame at once; the answer is awaited.
void showGreen(ui::RaceWindow& window, Main& main, ui::FramePresentation& frames, bool lit,
               Onsets& onsets) {
    main.Shape4.fillColor = lit ? colour::kLitGreen : colour::kDimGreen;
    window.refresh(main.Shape4);
    std::optional<ui::Presentation> outcome;
    frames.requestNext([&outcome](const ui::Presentation& p) { outcome = p; });
    window.repaint();
    const Moment flushed = std::chrono::steady_clock::now();
    QElapsedTimer waited;
    waited.start();
    while (!outcome && waited.elapsed() < 2000) QTest::qWait(1);
    if (!lit || !outcome) return;
    if (!outcome->presented) {
        ++onsets.discarded;
        return;
    }
    onsets.delays.push_back(
        std::chrono::duration<double, std::milli>(outcome->at - flushed).count());
    onsets.refreshMs = std::chrono::duration<double, std::milli>(outcome->refresh).count();
}

void report(const Onsets& onsets) {
    bench::printPercentiles("green onset: presented - flushed", onsets.delays, "0 to 16.7 ms");
    int negative = 0, inOne = 0, inTwo = 0;
    for (double d : onsets.delays) {
        negative += d < 0;
        inOne += d >= 0 && d <= onsets.refreshMs;
        inTwo += d >= 0 && d <= 2 * onsets.refreshMs;
    }
    std::printf(
        "refresh %.3f ms; negative %d; within one refresh %d, within two %d of %zu; "
        "discarded %d\n",
        onsets.refreshMs, negative, inOne, inTwo, onsets.delays.size(), onsets.discarded);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::stoi(argv[1]) : 100;
    RandomSource random;
    testing::RecordingWavePlayer sound;
    testing::RecordingMessageBoxes messages;
    Main main({random, sound, messages, "/nowhere"});
    ui::RaceWindow window(main);
    main.setSurface(&window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    ui::FramePresentation frames(window);
    if (!frames.available()) {
        std::printf("no presentation feedback on %s: the flush time is all there is\n",
                    qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    // Greens at any phase of the refresh, as a race's green falls wherever its timer does.
    std::mt19937 pick(18);
    std::uniform_int_distribution<int> pause(20, 120);
    Onsets onsets;
    for (int i = 0; i < count; ++i) {
        QTest::qWait(pause(pick));
        showGreen(window, main, frames, true, onsets);
        QTest::qWait(pause(pick));
        showGreen(window, main, frames, false, onsets);
    }
    report(onsets);
    return 0;
}
