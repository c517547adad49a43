#include "ui/shell/race_wiring.h"

#include "ui/race_window/race_window.h"
#include "ui/shell/qt_timer_service.h"
#include "ui/shell/qt_window_system.h"
#include "ui/time_slip/time_slip.h"

namespace korvane::ui {

// The slip lives as long as the race window, which its connections are made on.
void connectRaceWindow(RaceWindow& race, QtTimerService& timers, TimeSlip& slip,
                       QtWindowSystem& windows) {
    QObject::connect(&race, &RaceWindow::quitClicked, &windows, &QtWindowSystem::quitClicked,
                     Qt::DirectConnection);
    QObject::connect(&race, &RaceWindow::inputArriving, &timers, &QtTimerService::deliverDue,
                     Qt::DirectConnection);
    QObject::connect(&timers, &QtTimerService::ticksDelivered, &race, &RaceWindow::mirror,
                     Qt::DirectConnection);
    QObject::connect(
        &timers, &QtTimerService::timerStarted, &race,
        [&slip](const Timer& timer, FixedRateSchedule::Time start) {
            slip.timerStarted(timer, Moment(std::chrono::duration_cast<Moment::duration>(start)));
        },
        Qt::DirectConnection);
    QObject::connect(
        &race, &RaceWindow::released, &race,
        [&slip](Moment at, const ReleaseOutcome& outcome) { slip.released(outcome, at); },
        Qt::DirectConnection);
}

}  // namespace korvane::ui
