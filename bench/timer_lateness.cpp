// How late the Qt timer service delivers ticks, and whether the reaction clock keeps its rate:
//   build/default/bench/timer_lateness [seconds]
// Prints the lateness of each timer's ticks against their fixed-rate deadlines.
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <list>
#include <string>
#include <vector>

#include "common/timer.h"
#include "ui/shell/qt_timer_service.h"

namespace {

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

struct Probe {
    korvane::Timer timer;
    double enabledAt = 0;
    std::vector<double> lateness;
    Probe(const char* name, int interval) : timer(name, interval) {}
};

void report(const Probe& p) {
    std::vector<double> late = p.lateness;
    if (late.empty()) return;
    std::sort(late.begin(), late.end());
    std::printf(
        "%-8s period %3lld ms  ticks %4zu  lateness ms: min %.3f  median %.3f  p99 %.3f  max "
        "%.3f   (target: never early, at most about 1 ms late)\n",
        p.timer.name().c_str(),
        static_cast<long long>(korvane::FixedRateSchedule::periodFor(p.timer.interval())),
        late.size(), late.front(), late[late.size() / 2], late[late.size() * 99 / 100],
        late.back());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::stoi(argv[1])) : 10;
    korvane::ui::QtTimerService service;
    std::list<Probe> probes;  // timers stay put while the service holds them
    probes.emplace_back("clock", 2);
    probes.emplace_back("amber", 500);
    probes.emplace_back("staging", 800);
    for (Probe& probe : probes) {
        Probe* p = &probe;
        p->timer.setHost(&service);
        p->timer.onTick([p] {
            const auto period =
                static_cast<double>(korvane::FixedRateSchedule::periodFor(p->timer.interval()));
            const double due = p->enabledAt + period * static_cast<double>(p->lateness.size() + 1);
            p->lateness.push_back(nowMs() - due);
        });
        p->enabledAt = nowMs();
        p->timer.setEnabled(true);
    }
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &app, &QCoreApplication::quit);
    app.exec();
    for (const Probe& p : probes) report(p);
    const long long ran = static_cast<long long>(service.now());
    std::printf("reaction clock: %zu ticks in %lld ms (fixed rate expects %lld)\n",
                probes.front().lateness.size(), ran, ran / 55);
}
