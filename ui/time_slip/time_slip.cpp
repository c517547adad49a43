#include "ui/time_slip/time_slip.h"

#include <QAction>
#include <cstdlib>
#include <string>

#include "ui/kit/control_geometry.h"
#include "ui/platform/destroyed_window_filter.h"
#include "ui/race_window/race_window.h"
#include "ui/time_slip/time_slip_window.h"
#include "ui/timing/green_frame_watch.h"

namespace korvane::ui {

namespace {

// Where the game keeps its logbook unless told otherwise: korvane/logbook.sqlite in
// $XDG_DATA_HOME, or in ~/.local/share without it.
std::string defaultLogbookPath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && *data != '\0') return std::string(data) + "/korvane/logbook.sqlite";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.local/share/korvane/logbook.sqlite";
}

}  // namespace

TimeSlip::TimeSlip(RaceWindow& race, const Main& main, std::unique_ptr<GreenOnsetSource> onset)
    : race_(race),
      main_(main),
      moments_(main),
      log_(main),
      onset_(std::move(onset)),
      watch_(std::make_unique<GreenFrameWatch>(race, main.player.green, *onset_,
                                               [this] { return onsetReport(); })),
      toggleAction_(std::make_unique<QAction>(QObject::tr("Time Slip"), &race)) {
    makeWindow();
    QAction* toggleAction = toggleAction_.get();
    toggleAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    toggleAction->setShortcutContext(Qt::WindowShortcut);
    toggleAction->setShortcutVisibleInContextMenu(true);
    QObject::connect(toggleAction, &QAction::triggered, &race, [this] { toggle(); });
    race.addAction(toggleAction);
    // A right click on the picture opens the menu; the race button takes every mouse button.
    race.setContextMenuPolicy(Qt::ActionsContextMenu);
    race.widgetFor(main.raceButton)->setContextMenuPolicy(Qt::PreventContextMenu);
}

TimeSlip::~TimeSlip() = default;

void TimeSlip::makeWindow() {
    windowDestroyed_.reset();
    window_ = std::make_unique<TimeSlipWindow>(log_.runs());
    window_->setLogbook(defaultLogbookPath());
    // The race window alone keeps the game running: closing it ends the game, slip open or not.
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    // Ctrl+T hides the slip from the slip itself too.
    window_->addAction(toggleAction_.get());
    // Destroyed by another program, the slip is made anew from the log, outside the X event.
    windowDestroyed_ = std::make_unique<DestroyedWindowFilter>(*window_, [this] {
        QMetaObject::invokeMethod(
            toggleAction_.get(), [this] { makeWindow(); }, Qt::QueuedConnection);
    });
}

// Bound to the race whose green's frame is on its way, stamped as the frame is handed over.
GreenOnsetSource::Report TimeSlip::onsetReport() {
    return [this, race = moments_.race(), handedOver = std::chrono::steady_clock::now()](
               Moment at, const std::string& source) {
        moments_.greenShown(race, handedOver, at, source);
        if (log_.greenShownLate(race, moments_)) window_->newestRunChanged();
    };
}

void TimeSlip::released(const ReleaseOutcome& outcome, Moment at) {
    if (log_.released(outcome, at, moments_)) window_->runAdded();
}

QRect TimeSlip::treeOnScreen() const {
    QRect tree;
    for (const Lane* lane : {&main_.player, &main_.computer}) {
        for (const Control* lamp : {&lane->topAmber, &lane->green, &lane->red}) {
            tree |= pixelBounds(*lamp);
        }
    }
    return tree.translated(race_.mapToGlobal(QPoint(0, 0)));
}

void TimeSlip::toggle() {
    if (window_->isVisible()) {
        window_->hide();
        return;
    }
    window_->placeBeside(race_, treeOnScreen());
    window_->show();
}

}  // namespace korvane::ui
