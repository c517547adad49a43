#include "ui/practice/race_key.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

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

namespace {

bool typesText(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
}

}  // namespace

// Keys meant for any of the game's windows, the slip and its History too; never a dialog's (a
// message to answer, a file to name) nor a text field's.
bool RaceKey::forRace(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || qobject_cast<QDialog*>(widget->window()) != nullptr) return false;
    return !typesText(QApplication::focusWidget());
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
