#include "ui/practice/practice_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace korvane::ui {

namespace {

QDoubleSpinBox* secondsBox(const QString& name, int ms) {
    auto* box = new QDoubleSpinBox;
    box->setRange(StartDelay::kShortestMs / 1000.0, 10.0);
    box->setDecimals(2);
    box->setSingleStep(StartDelay::kStepMs / 1000.0);
    box->setSuffix(QStringLiteral(" s"));
    box->setValue(ms / 1000.0);
    box->setAccessibleName(name);
    return box;
}

int millis(const QDoubleSpinBox* box) {
    return static_cast<int>(std::lround(box->value() * 1000));
}

}  // namespace

PracticeDialog::PracticeDialog(const PracticeSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(tr("Practice"));
    setAccessibleName(tr("Practice"));
    new QFormLayout(this);
    addDelayRow();
    addKeyRow();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    static_cast<QFormLayout*>(layout())->addRow(buttons);
}

void PracticeDialog::addDelayRow() {
    delayOn_ = new QCheckBox(tr("&Random start delay after Staged"));
    delayOn_->setChecked(settings_.randomDelay);
    from_ = secondsBox(tr("Shortest start delay"), settings_.delay.lowMs);
    to_ = secondsBox(tr("Longest start delay"), settings_.delay.highMs);
    auto* range = new QHBoxLayout;
    range->addWidget(from_);
    range->addWidget(new QLabel(tr("to")));
    range->addWidget(to_);
    auto* form = static_cast<QFormLayout*>(layout());
    form->addRow(delayOn_);
    form->addRow(tr("Delay from"), range);
}

void PracticeDialog::addKeyRow() {
    chooseKey_ = new QPushButton;
    chooseKey_->setAccessibleName(tr("Race key"));
    chooseKey_->installEventFilter(this);
    auto* clear = new QPushButton(tr("&No key"));
    connect(chooseKey_, &QPushButton::clicked, this, [this] {
        choosingKey_ = true;
        chooseKey_->setText(tr("Press the key to use"));
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        settings_.raceKey = 0;
        showKey();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(chooseKey_);
    row->addWidget(clear);
    static_cast<QFormLayout*>(layout())->addRow(tr("Race &key"), row);
    showKey();
}

void PracticeDialog::showKey() {
    choosingKey_ = false;
    chooseKey_->setText(settings_.raceKey == 0 ? tr("Choose key (none)")
                                               : tr("Choose key (%1)").arg(settings_.raceKeyName));
}

// While choosing, the next key is the race key, whatever it would do in the dialog.
bool PracticeDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched != chooseKey_ || !choosingKey_ || !key) return QDialog::eventFilter(watched, event);
    auto* press = static_cast<QKeyEvent*>(event);
    event->accept();
    if (event->type() == QEvent::KeyPress && !press->isAutoRepeat()) {
        settings_.raceKey = press->key();
        settings_.raceKeyName = QKeySequence(press->key()).toString(QKeySequence::NativeText);
        showKey();
    }
    return true;
}

PracticeSettings PracticeDialog::settings() const {
    PracticeSettings chosen = settings_;
    chosen.randomDelay = delayOn_->isChecked();
    chosen.delay = {std::min(millis(from_), millis(to_)), std::max(millis(from_), millis(to_))};
    return chosen;
}

}  // namespace korvane::ui
