#include "ui/race_window/result_cover.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>

#include "race/main.h"
#include "ui/kit/control_geometry.h"

namespace korvane::ui {

namespace {

const char* const kAsk = "Result hidden: click or press R to see it";

// The pixels that cover every control given, with a margin for their frames.
QRect around(std::initializer_list<const Control*> controls) {
    QRect area;
    for (const Control* control : controls) area |= pixelBounds(*control);
    return area.adjusted(-2, -2, 2, 2);
}

// A patch of the cover: a click on it asks to see the result.
class Patch : public QLabel {
  public:
    Patch(const QString& text, QWidget* parent, ResultCover& cover)
        : QLabel(text, parent), cover_(cover) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        event->accept();
        cover_.reveal();
    }

  private:
    ResultCover& cover_;
};

}  // namespace

ResultCover::ResultCover(QWidget& race, const Main& main)
    : QObject(&race), main_(main), ask_(new QAction(tr("Show the hidden result"), &race)) {
    ask_->setShortcut(QKeySequence(Qt::Key_R));
    ask_->setShortcutContext(Qt::WindowShortcut);
    ask_->setEnabled(false);
    connect(ask_, &QAction::triggered, this, [this] { reveal(); });
}

// Made when the blocker is first turned on: until then the window has no widget more.
void ResultCover::makePatches() {
    const Lane& p = main_.player;
    const Lane& c = main_.computer;
    patches_ = {
        patch(around({&p.timeDisplay, &c.timeDisplay, &p.winnerFlag, &c.winnerFlag}), tr(kAsk)),
        patch(around({&p.green, &p.red, &c.green, &c.red, &p.redLightPicture, &c.redLightPicture}),
              tr("Hidden: click or R")),
        patch(around({&p.winCountDisplay, &c.winCountDisplay}), tr("Hidden")),
    };
}

ResultCover::~ResultCover() = default;

QLabel* ResultCover::patch(const QRect& area, const QString& text) {
    auto* label = new Patch(text, static_cast<QWidget*>(parent()), *this);
    label->setGeometry(area);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    label->setStyleSheet(QStringLiteral("background: #303030; color: #f0f0f0;"));
    label->setAccessibleName(tr(kAsk));
    label->hide();
    return label;
}

// The key and the menu's entry are there only while the blocker is on.
void ResultCover::setOn(bool on) {
    on_ = on;
    auto* race = static_cast<QWidget*>(parent());
    if (on_) {
        if (patches_[0] == nullptr) makePatches();
        race->addAction(ask_);
    } else {
        reveal();
        race->removeAction(ask_);
    }
}

void ResultCover::launching() {
    if (!on_) return;
    for (QLabel* patch : patches_) {
        patch->raise();
        patch->show();
    }
    ask_->setEnabled(true);
}

void ResultCover::staged() {
    if (patches_[0] == nullptr) return;
    patches_[0]->hide();
    patches_[1]->hide();
}

void ResultCover::reveal() {
    if (patches_[0] == nullptr) return;
    const bool was = covering();
    for (QLabel* patch : patches_) patch->hide();
    ask_->setEnabled(false);
    if (was && revealed_) revealed_();
}

bool ResultCover::covering() const {
    if (patches_[0] == nullptr) return false;
    return !patches_[2]->isHidden() || !patches_[0]->isHidden();
}

}  // namespace korvane::ui
