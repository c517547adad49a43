#include "widget_mirror.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "ui/kit/coloured_button.h"
#include "ui/kit/qt_values.h"

namespace korvane::ui {

namespace {

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

void mirrorTextBox(const Control& control, QLineEdit& box) {
    if (box.text() != qtext(control.text)) box.setText(qtext(control.text));
    QPalette palette = box.palette();
    const QColor back = backOrFace(control.backColor);
    const QColor fore = foreOrText(control.foreColor);
    if (palette.color(QPalette::Base) == back && palette.color(QPalette::Text) == fore) return;
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text, fore);
    box.setPalette(palette);
}

void mirrorButton(const Control& control, ColouredButton& button) {
    button.setCaption(qtext(control.caption));
    button.setFace(backOrFace(control.backColor));
}

// Qt will not clear the checked member of an exclusive group directly.
void mirrorOption(const Control& control, QRadioButton& option) {
    if (option.text() != qtext(control.caption)) option.setText(qtext(control.caption));
    const bool selected = control.value != 0;
    if (option.isChecked() == selected) return;
    QButtonGroup* group = option.group();
    if (group) group->setExclusive(selected);
    option.setChecked(selected);
    if (group) group->setExclusive(true);
}

void mirrorCheckBox(const Control& control, QCheckBox& box) {
    if (box.text() != qtext(control.caption)) box.setText(qtext(control.caption));
    const Qt::CheckState state = control.value == 1   ? Qt::Checked
                                 : control.value == 2 ? Qt::PartiallyChecked
                                                      : Qt::Unchecked;
    if (box.checkState() != state) box.setCheckState(state);
}

void mirrorScrollBar(const Control& control, QScrollBar& bar) {
    if (bar.minimum() != control.min || bar.maximum() != control.max) {
        bar.setRange(control.min, control.max);
    }
    if (bar.value() != control.value) bar.setValue(control.value);
}

void mirrorContents(const Control& control, QWidget& widget) {
    if (auto* box = qobject_cast<QLineEdit*>(&widget)) return mirrorTextBox(control, *box);
    if (auto* button = qobject_cast<ColouredButton*>(&widget))
        return mirrorButton(control, *button);
    if (auto* option = qobject_cast<QRadioButton*>(&widget)) return mirrorOption(control, *option);
    if (auto* box = qobject_cast<QCheckBox*>(&widget)) return mirrorCheckBox(control, *box);
    if (auto* bar = qobject_cast<QScrollBar*>(&widget)) return mirrorScrollBar(control, *bar);
    if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        if (frame->title() != qtext(control.caption)) frame->setTitle(qtext(control.caption));
    }
}

}  // namespace

void mirrorOnto(const Control& control, QWidget& widget) {
    mirrorContents(control, widget);
    if (widget.isHidden() == control.visible) widget.setVisible(control.visible);
}

}  // namespace korvane::ui
