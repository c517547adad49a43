// The least a Qt program can do to answer like the race window: a press turns its button
// yellow, a release lights its red lamp, and the press starts a fixed-rate chain of deadlines
// like the race's timers, whose end lights the ambers. bench/screen_latency times the game
// against it in the same run and display; built with the same flags as the game.
//   reference_window X Y [standard|pro]
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "bench/reference_layout.h"
#include "common/fixed_rate_schedule.h"
#include "common/timer.h"
#include "ui/platform/key_state.h"

namespace {

using namespace korvane;
using namespace korvane::bench::reference;
using Time = FixedRateSchedule::Time;

Time monotonicNow() {
    return std::chrono::steady_clock::now().time_since_epoch();
}

QRect rectOf(const Box& b) {
    return {b.x, b.y, b.width, b.height};
}

class Reference : public QWidget, public TimerHost {
  public:
    explicit Reference(int lampMs) : lamp_("lamp", lampMs) {
        setWindowTitle(kTitle);
        setAccessibleName(kTitle);
        setFixedSize(kWidth, kHeight);
        wakeUp_.setSingleShot(true);
        wakeUp_.setTimerType(Qt::PreciseTimer);
        connect(&wakeUp_, &QTimer::timeout, this, [this] { deliverDue(); });
        walk_.setHost(this);
        lamp_.setHost(this);
        walk_.onTick([this] { walkStep(); });
        lamp_.onTick([this] {
            ambersLit_ = true;
            lamp_.setEnabled(false);
        });
    }

    // A timer enabled by a tick counts from that tick's deadline, as the game's do.
    void timerEnabled(Timer& timer) override {
        schedule_.start(timer, tickDue_.value_or(monotonicNow()));
        arm();
    }
    void timerDisabled(Timer& timer) override {
        schedule_.stop(timer);
        arm();
    }

  protected:
    void mousePressEvent(QMouseEvent*) override { pressed(); }
    void mouseReleaseEvent(QMouseEvent*) override { released(); }
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->isAutoRepeat()) pressed();
    }
    // X11's auto-repeat sends releases while the key stays down; the game asks the server too.
    void keyReleaseEvent(QKeyEvent* event) override {
        if (!event->isAutoRepeat() && !ui::keyHeldDown(event->nativeScanCode())) released();
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
        painter.fillRect(rectOf(kButton), buttonLit_ ? QColor(0xFF, 0xFF, 0) : QColor(0, 0xC0, 0));
        painter.fillRect(rectOf(kRedLamp), redLit_ ? QColor(0xFF, 0, 0) : QColor(0xFF, 0xC0, 0xC0));
        const QColor amber = ambersLit_ ? QColor(0xFF, 0xFF, 0) : QColor(0xFF, 0xFF, 0xC0);
        for (const Box& b : kAmbers) painter.fillRect(rectOf(b), amber);
    }

  private:
    // The key's repeats while it is held, however they come, are no new press.
    void pressed() {
        if (buttonLit_) return;
        buttonLit_ = true;
        ambersLit_ = redLit_ = false;
        steps_ = 0;
        lamp_.setEnabled(false);
        walk_.setEnabled(true);
        update();
    }

    void released() {
        if (!buttonLit_) return;
        walk_.setEnabled(false);
        lamp_.setEnabled(false);
        buttonLit_ = false;
        redLit_ = true;
        update();
    }

    void walkStep() {
        if (++steps_ < kWalkSteps) return;
        lamp_.setEnabled(true);
        walk_.setEnabled(false);
    }

    // Every tick due at the wake-up, then one repaint that shows them all.
    void deliverDue() {
        const Time now = monotonicNow();
        Time due{};
        bool delivered = false;
        while (Timer* timer = schedule_.takeDue(now, &due)) {
            tickDue_ = due;
            timer->tick();
            tickDue_.reset();
            delivered = true;
        }
        if (delivered) update();
        arm();
    }

    // Rounded up to whole milliseconds: never early.
    void arm() {
        const auto due = schedule_.nextDue();
        if (!due) {
            wakeUp_.stop();
            return;
        }
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - monotonicNow());
        wakeUp_.start(static_cast<int>(std::max<std::int64_t>(wait.count(), 0)));
    }

    FixedRateSchedule schedule_;
    std::optional<Time> tickDue_;
    QTimer wakeUp_;
    // After the schedule and the wake-up, so that they go first and leave both on the way.
    Timer walk_{"walk", kWalkStepMs};
    Timer lamp_;
    int steps_ = 0;
    bool buttonLit_ = false;
    bool ambersLit_ = false;
    bool redLit_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool pro = argc > 3 && std::string(argv[3]) == "pro";
    Reference window(pro ? kProLampMs : kStandardLampMs);
    if (argc > 2) window.move(std::stoi(argv[1]), std::stoi(argv[2]));
    window.show();
    return app.exec();
}
