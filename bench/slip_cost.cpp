// What the time slip costs at a release with a long session behind it: the figures alone, and
// the window's update with a full repaint (table, figures, both plots), offscreen:
//   QT_QPA_PLATFORM=offscreen build/default/bench/slip_cost [runs] [releases]
// The slip updates after the release's handler has shown the outcome and played its sound.
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/sample_run.h"
#include "common/random_source.h"
#include "session/session_figures.h"
#include "ui/time_slip/time_slip_window.h"

namespace {

using namespace korvane;

// Early starts among them: R/Ts from -.050 to .250.
RaceRecord someRun(int number, RandomSource& random) {
    const auto rt = std::chrono::microseconds(static_cast<int>(random.next() * 300000) - 50000);
    return bench::sampleRun(number, rt);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int start = argc > 1 ? std::stoi(argv[1]) : 10000;
    const int releases = argc > 2 ? std::stoi(argv[2]) : 50;
    RandomSource random;
    std::vector<RaceRecord> runs;
    for (int i = 1; i <= start; ++i) runs.push_back(someRun(i, random));
    ui::TimeSlipWindow window(runs);
    window.show();
    QApplication::processEvents();
    std::vector<double> figures;
    std::vector<double> update;
    std::vector<double> repaint;
    for (int i = 0; i < releases; ++i) {
        runs.push_back(someRun(start + i + 1, random));
        double t0 = bench::monotonicMs();
        (void)sessionFigures(runs);
        figures.push_back(bench::monotonicMs() - t0);
        t0 = bench::monotonicMs();
        window.runAdded();
        const double added = bench::monotonicMs();
        window.repaint();
        update.push_back(bench::monotonicMs() - t0);
        repaint.push_back(bench::monotonicMs() - added);
    }
    std::printf("time slip with %d runs, %d releases\n", start, releases);
    bench::printPercentiles("session figures", figures, "part of the update");
    bench::printPercentiles("slip update and full repaint", update, "");
    bench::printPercentiles("the full repaint alone", repaint, "<= 2");
}
