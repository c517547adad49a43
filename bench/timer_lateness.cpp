// How late the Qt timer service delivers ticks, and whether the reaction clock keeps its rate:
//   build/default/bench/timer_lateness [seconds]
// Prints the lateness of each timer's ticks against their fixed-rate deadlines.
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <list>
#include <string>
#include <vector>

#include "common/timer.h"
#include "ui/qt_timer_service.h"

namespace {

struct Probe {
    korvane::Timer timer;
    std::int64_t enabledAt = 0;
    std::vector<std::int64_t> lateness;
    Probe(const char* name, int interval) : timer(name, interval) {}
};

void report(const Probe& p) {
    std::vector<std::int64_t> late = p.lateness;
    if (late.empty()) return;
    std::sort(late.begin(), late.end());
    std::printf(
        "%-8s period %3lld ms  ticks %4zu  lateness ms: min %lld  median %lld  p99 %lld  max "
        "%lld\n",
        p.timer.name().c_str(),
        static_cast<long long>(korvane::FixedRateSchedule::periodFor(p.timer.interval())),
        late.size(), static_cast<long long>(late.front()),
        static_cast<long long>(late[late.size() / 2]),
        static_cast<long long>(late[late.size() * 99 / 100]), static_cast<long long>(late.back()));
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
        p->timer.onTick([p, &service] {
            const std::int64_t period = korvane::FixedRateSchedule::periodFor(p->timer.interval());
            const std::int64_t due =
                p->enabledAt + period * static_cast<std::int64_t>(p->lateness.size() + 1);
            p->lateness.push_back(service.now() - due);
        });
        p->enabledAt = service.now();
        p->timer.setEnabled(true);
    }
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &app, &QCoreApplication::quit);
    app.exec();
    for (const Probe& p : probes) report(p);
    const long long ran = static_cast<long long>(service.now());
    std::printf("reaction clock: %zu ticks in %lld ms (fixed rate expects %lld)\n",
                probes.front().lateness.size(), ran, ran / 55);
}
