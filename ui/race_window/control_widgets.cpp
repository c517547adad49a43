#include "control_widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>

#include "ui/kit/control_geometry.h"
#include "ui/kit/font_choice.h"
#include "ui/kit/qt_values.h"
#include "ui/kit/text_box.h"

namespace korvane::ui {

namespace {

// Editable by clicking into it, but never reached by tabbing.
QWidget* makeTextBox(Control& control, QWidget* parent) {
    auto* box = new TextBox(parent);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setAlignment(toQtAlignment(control.alignment));
    QObject::connect(box, &QLineEdit::textEdited,
                     [&control](const QString& text) { control.text = text.toStdString(); });
    return box;
}

// Each option array is one exclusive group, held by its container. Qt's own grouping by parent
// would also take in the options of a frame inside that container.
QButtonGroup& optionGroup(const Control& control, QWidget& container) {
    const QString name = QString::fromStdString(control.name);
    auto* group = container.findChild<QButtonGroup*>(name, Qt::FindDirectChildrenOnly);
    if (!group) {
        group = new QButtonGroup(&container);
        group->setObjectName(name);
    }
    return *group;
}

// Only the selected option of a group is a tab stop, so tabbing enters the group there; the
// arrow keys move within the group.
QWidget* makeOption(Control& control, QWidget* parent) {
    auto* option = new QRadioButton(parent);
    optionGroup(control, *parent).addButton(option);
    QObject::connect(option, &QRadioButton::toggled, [&control, option](bool checked) {
        control.value = checked ? 1 : 0;
        option->setFocusPolicy(checked && control.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    });
    option->setFocusPolicy(Qt::ClickFocus);
    return option;
}

QWidget* makeCheckBox(Control& control, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    QObject::connect(box, &QCheckBox::stateChanged, [&control](int state) {
        control.value = state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
    });
    return box;
}

QWidget* makeScrollBar(Control& control, QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    // Qt's scroll bars invert their keys to suit a vertical bar; Left must step towards the left.
    bar->setInvertedControls(false);
    // Qt's scroll bars take no focus of their own; this one is a tab stop, moved by the arrows.
    if (control.tabStop) bar->setFocusPolicy(Qt::StrongFocus);
    bar->setRange(control.min, control.max);
    bar->setSingleStep(control.smallChange);
    bar->setPageStep(control.largeChange);
    bar->setValue(control.value);
    QObject::connect(bar, &QScrollBar::valueChanged,
                     [&control](int value) { control.value = value; });
    return bar;
}

}  // namespace

QWidget* makeInputWidget(Control& control, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::TextBox:
            return makeTextBox(control, parent);
        case ControlKind::OptionButton:
            return makeOption(control, parent);
        case ControlKind::CheckBox:
            return makeCheckBox(control, parent);
        case ControlKind::HScrollBar:
            return makeScrollBar(control, parent);
        default:
            return nullptr;
    }
}

void placeWidget(const Control& control, QWidget& widget, const Font& windowFont) {
    widget.setGeometry(pixelRect(control.rect));
    widget.setFont(chooseFont(control.font, windowFont));
    widget.setObjectName(QString::fromStdString(control.displayName()));
}

}  // namespace korvane::ui
