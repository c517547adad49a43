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

#include "input/unreadable_controllers.h"
#include "ui/controllers/controller_route.h"

namespace korvane::ui {

namespace {

// Seconds in the range its choice is declared with, in steps of `stepMs`.
QDoubleSpinBox* secondsBox(const QString& name, int PracticeOptions::*field, int ms, int stepMs) {
    const OptionDeclaration& option = declarationOf(field);
    auto* box = new QDoubleSpinBox;
    box->setDecimals(stepMs < 10 ? 3 : 2);
    box->setRange(option.lowest / 1000.0, option.highest / 1000.0);
    box->setSingleStep(stepMs / 1000.0);
    box->setSuffix(QStringLiteral(" s"));
    box->setValue(ms / 1000.0);
    box->setAccessibleName(name);
    return box;
}

// A caption whose Alt+letter only moves the focus: QLabel would also click a button buddy.
class FocusLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::Shortcut || buddy() == nullptr) return QLabel::event(event);
        buddy()->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
};

// A row's caption whose Alt+letter moves the focus to the row's first control.
QLabel* labelFor(const QString& text, QWidget* buddy) {
    auto* label = new FocusLabel(text);
    label->setBuddy(buddy);
    return label;
}

int millis(const QDoubleSpinBox* box) {
    return static_cast<int>(std::lround(box->value() * 1000));
}

}  // namespace

PracticeDialog::PracticeDialog(const PracticeSettings& settings, ControllerRoute* route,
                               QWidget* parent)
    : QDialog(parent), settings_(settings), route_(route) {
    setWindowTitle(tr("Practice"));
    setAccessibleName(tr("Practice"));
    new QFormLayout(this);
    addDelayRow();
    addCarDelayRows();
    addKeyRow();
    addControllerRows();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    static_cast<QFormLayout*>(layout())->addRow(buttons);
}

// A range typed backwards is the racer's slip: told, not silently turned round.
void PracticeDialog::accept() {
    if (millis(from_) <= millis(to_)) {
        QDialog::accept();
        return;
    }
    rangeProblem_->setText(tr("The shortest delay is longer than the longest."));
    rangeProblem_->show();
    from_->setFocus(Qt::OtherFocusReason);
}

void PracticeDialog::addDelayRow() {
    // The walk's own step from Staged to the tree comes first: the wait is on top of it.
    delayOn_ = new QCheckBox(tr("&Random extra wait before the tree starts"));
    delayOn_->setToolTip(tr("Added to the usual 0.8 s between Staged and the tree's start"));
    delayOn_->setChecked(settings_.randomDelay);
    from_ = secondsBox(tr("Shortest start delay"), &PracticeOptions::delayFromMs,
                       settings_.delayFromMs, StartDelay::kStepMs);
    to_ = secondsBox(tr("Longest start delay"), &PracticeOptions::delayToMs, settings_.delayToMs,
                     StartDelay::kStepMs);
    auto* range = new QHBoxLayout;
    range->addWidget(from_);
    range->addWidget(new QLabel(tr("to")));
    range->addWidget(to_);
    auto* form = static_cast<QFormLayout*>(layout());
    form->addRow(delayOn_);
    form->addRow(labelFor(tr("Extra wait &from"), from_), range);
    rangeProblem_ = new QLabel;
    rangeProblem_->setAccessibleName(tr("Start delay problem"));
    rangeProblem_->hide();
    form->addRow(rangeProblem_);
}

void PracticeDialog::addCarDelayRows() {
    carDelay_ = secondsBox(tr("Car delay (delay box) after letting go"),
                           &PracticeOptions::carDelayMs, settings_.carDelayMs, 1);
    blocker_ = new QCheckBox(tr("Results &blocker: hide each result until asked"));
    blocker_->setChecked(settings_.blocker);
    auto* form = static_cast<QFormLayout*>(layout());
    form->addRow(labelFor(tr("&Car delay"), carDelay_), carDelay_);
    form->addRow(blocker_);
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
    static_cast<QFormLayout*>(layout())->addRow(labelFor(tr("Race &key"), chooseKey_), row);
    showKey();
}

void PracticeDialog::showKey() {
    choosingKey_ = false;
    chooseKey_->setText(
        settings_.raceKey == 0
            ? tr("Choose key (none)")
            : tr("Choose key (%1)").arg(QString::fromStdString(settings_.raceKeyName)));
}

// While choosing, the next key is the race key, whatever it would do in the dialog; Escape
// cancels the choice. Then the focus goes to OK, so Return confirms instead of choosing again.
bool PracticeDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched != chooseKey_ || !choosingKey_ || !key) return QDialog::eventFilter(watched, event);
    auto* press = static_cast<QKeyEvent*>(event);
    event->accept();
    if (event->type() != QEvent::KeyPress || press->isAutoRepeat()) return true;
    if (press->key() != Qt::Key_Escape) {
        settings_.raceKey = press->key();
        settings_.raceKeyName =
            QKeySequence(press->key()).toString(QKeySequence::NativeText).toStdString();
    }
    showKey();
    ok_->setFocus(Qt::OtherFocusReason);
    return true;
}

PracticeDialog::~PracticeDialog() {
    if (route_ != nullptr) route_->listen(false);
}

void PracticeDialog::addControllerRows() {
    auto* form = static_cast<QFormLayout*>(layout());
    controllers_ = new QLabel;
    controllers_->setAccessibleName(tr("Controllers"));
    controllers_->setWordWrap(true);
    form->addRow(tr("Controllers"), controllers_);
    for (const input::UnreadableController& unreadable : input::unreadableControllers()) {
        auto* advice = new QLabel(QString::fromStdString(input::unreadableAdvice(unreadable)));
        advice->setWordWrap(true);
        advice->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(advice);
    }
    chooseInput_ = new QPushButton;
    chooseInput_->setAccessibleName(tr("Controller input"));
    auto* any = new QPushButton(tr("&Any controller"));
    auto* row = new QHBoxLayout;
    row->addWidget(chooseInput_);
    row->addWidget(any);
    form->addRow(labelFor(tr("Controller &input"), chooseInput_), row);
    connect(any, &QPushButton::clicked, this, [this] {
        settings_.controllerGuid.clear();
        showInput();
    });
    if (route_ == nullptr) {
        chooseInput_->setEnabled(false);
    } else {
        connect(chooseInput_, &QPushButton::clicked, this, [this] {
            route_->listen(true);
            chooseInput_->setText(tr("Press the button or pedal to use"));
        });
        connect(route_, &ControllerRoute::devicesChanged, this, [this] { showControllers(); });
        connect(route_, &ControllerRoute::inputOffered, this,
                [this](const input::ChosenInput& input) { inputOffered(input); });
    }
    showControllers();
    showInput();
}

void PracticeDialog::showControllers() {
    QStringList names;
    if (route_ != nullptr) {
        for (const input::ControllerInfo& device : route_->devices()) {
            names << QString::fromStdString(device.name);
        }
    }
    controllers_->setText(names.isEmpty() ? tr("None seen") : names.join(QStringLiteral(", ")));
}

void PracticeDialog::showInput() {
    chooseInput_->setText(
        !settings_.controllerGuid.empty()
            ? tr("Choose input (%1)").arg(QString::fromStdString(settings_.controllerName))
            : tr("Choose input (any)"));
}

void PracticeDialog::inputOffered(const input::ChosenInput& input) {
    route_->listen(false);
    QString controller = tr("a controller");
    for (const input::ControllerInfo& device : route_->devices()) {
        if (device.guid == input.guid) controller = QString::fromStdString(device.name);
    }
    static const char* const kinds[] = {"button", "pedal or axis", "hat"};
    settings_.controllerGuid = input.guid;
    settings_.controllerKind = input.kind;
    settings_.controllerIndex = input.index;
    settings_.controllerName = tr("%1, %2 %3")
                                   .arg(controller, tr(kinds[input.kind % 3]))
                                   .arg(input.index + 1)
                                   .toStdString();
    showInput();
}

PracticeSettings PracticeDialog::settings() const {
    PracticeSettings chosen = settings_;
    chosen.randomDelay = delayOn_->isChecked();
    chosen.delayFromMs = millis(from_);
    chosen.delayToMs = millis(to_);
    chosen.carDelayMs = millis(carDelay_);
    chosen.blocker = blocker_->isChecked();
    return chosen;
}

}  // namespace korvane::ui
