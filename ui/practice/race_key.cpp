#include "ui/practice/race_key.h"

#include <QApplication>
#include <QKeyEvent>

#include "ui/platform/key_state.h"
#include "ui/race_window/race_window.h"
#include "ui/timing/input_moment.h"

namespace korvane::ui {

RaceKey::RaceKey(RaceWindow& race) : race_(race) {
    qApp->installEventFilter(this);
}

RaceKey::~RaceKey() {
    qApp->removeEventFilter(this);
}

void RaceKey::setKey(int key) {
    if (held_)
        race_.heldInput(input::RaceButtonHolders::kRaceKey, false,
                        std::chrono::steady_clock::now());
    held_ = false;
    key_ = key;
}

// Only keys meant for the race window's own controls.
bool RaceKey::forRace(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && widget->window() == &race_;
}

bool RaceKey::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (key_ == 0 || (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
                      type != QEvent::ShortcutOverride)) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != key_ || !forRace(watched)) return false;
    // Taken before a focused button's Space or a shortcut can see it.
    if (type == QEvent::ShortcutOverride) {
        key->accept();
        return true;
    }
    // X11 repeats a held key as release and press; Qt does not always pair them in time.
    if (key->isAutoRepeat() || (type == QEvent::KeyRelease && keyHeldDown(key->nativeScanCode()))) {
        return true;
    }
    const bool down = type == QEvent::KeyPress;
    if (down == held_) return true;
    held_ = down;
    race_.heldInput(input::RaceButtonHolders::kRaceKey, down,
                    inputMoment(key->timestamp(), std::chrono::steady_clock::now()));
    return true;
}

}  // namespace korvane::ui
