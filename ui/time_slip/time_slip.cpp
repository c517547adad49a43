#include "ui/time_slip/time_slip.h"

#include <QAction>
#include <QRegularExpression>
#include <string>

#include "logbook/logbook.h"
#include "ui/kit/control_geometry.h"
#include "ui/platform/destroyed_window_filter.h"
#include "ui/race_window/race_window.h"
#include "ui/time_slip/time_slip_window.h"
#include "ui/timing/green_frame_watch.h"

namespace korvane::ui {

TimeSlip::TimeSlip(RaceWindow& race, const Main& main, std::unique_ptr<GreenOnsetSource> onset,
                   logbook::Logbook* logbook)
    : race_(race),
      main_(main),
      moments_(main),
      log_(main),
      logbook_(logbook),
      onset_(std::move(onset)),
      watch_(std::make_unique<GreenFrameWatch>(race, main.player.green, *onset_,
                                               [this] { return onsetReport(); })),
      toggleAction_(std::make_unique<QAction>(QObject::tr("Time Slip"))) {
    QAction* toggleAction = toggleAction_.get();
    toggleAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    toggleAction->setShortcutContext(Qt::WindowShortcut);
    toggleAction->setShortcutVisibleInContextMenu(true);
    QObject::connect(toggleAction, &QAction::triggered, &race, [this] { toggle(); });
    race.addAction(toggleAction);
    QObject::connect(&race, &RaceWindow::resultRevealed, toggleAction, [this] {
        newestHidden_ = false;
        if (window_) window_->setNewestHidden(false);
    });
    // A right click on the picture opens the menu; the race button takes every mouse button.
    race.setContextMenuPolicy(Qt::ActionsContextMenu);
    race.widgetFor(main.raceButton)->setContextMenuPolicy(Qt::PreventContextMenu);
    // Runs written and a write that fails are told from the logbook's thread: shown on the
    // event loop.
    if (logbook_) {
        logbook_->setLineReport([this] {
            QMetaObject::invokeMethod(
                toggleAction_.get(),
                [this] {
                    if (!window_) return;
                    showLogbookLine();
                    window_->logbookChanged();
                },
                Qt::QueuedConnection);
        });
    }
}

TimeSlip::~TimeSlip() {
    if (logbook_) logbook_->setLineReport({});
}

// The line as stderr has it, less the program's name, which the slip's title says.
void TimeSlip::showLogbookLine() {
    QString line = logbook_ ? QString::fromStdString(logbook_->line()) : QString();
    window_->setLogbookLine(line.remove(QRegularExpression(QStringLiteral("^korvane: "))));
}

void TimeSlip::makeWindow() {
    windowDestroyed_.reset();
    window_ = std::make_unique<TimeSlipWindow>(log_.runs());
    window_->setLogbook(logbook_ ? logbook_->path() : std::string());
    // The race window alone keeps the game running: closing it ends the game, slip open or not.
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    // Ctrl+T hides the slip from the slip itself too.
    window_->addAction(toggleAction_.get());
    for (QAction* action : windowActions_) window_->addAction(action);
    // A right click in the slip offers the same actions as the race window's menu.
    window_->setContextMenuPolicy(Qt::ActionsContextMenu);
    showLogbookLine();
    window_->setNewestHidden(newestHidden_);
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
        if (!log_.greenShownLate(race, moments_)) return;
        if (logbook_) logbook_->record(log_.runs().back());
        if (window_) window_->newestRunChanged();
    };
}

void TimeSlip::released(const ReleaseOutcome& outcome, Moment at) {
    if (!log_.released(outcome, at, moments_)) return;
    if (logbook_) logbook_->record(log_.runs().back());
    newestHidden_ = race_.resultCovered();
    if (window_) {
        window_->setNewestHidden(newestHidden_);
        window_->runAdded();
    }
}

void TimeSlip::addWindowAction(QAction& action) {
    windowActions_.push_back(&action);
    if (window_) window_->addAction(&action);
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

TimeSlipWindow& TimeSlip::window() {
    if (!window_) makeWindow();
    return *window_;
}

void TimeSlip::toggle() {
    if (window_ && window_->isVisible()) {
        window_->hide();
        return;
    }
    TimeSlipWindow& slip = window();
    slip.placeBeside(race_, treeOnScreen());
    slip.show();
}

}  // namespace korvane::ui
