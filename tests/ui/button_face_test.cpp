#include "ui/kit/button_face.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <functional>
#include <tuple>

#include "tests/ui/qt_app.h"

namespace korvane {
namespace {

// The look the buttons had from a style sheet: the reference the painting must match.
QString styleSheetFor(const QColor& face) {
    return QStringLiteral(
               "QPushButton { background-color: %1; color: black;"
               " border: 2px solid; border-color: %2 %3 %3 %2; padding: 0px; }"
               "QPushButton:focus { border-color: black; }"
               "QPushButton:pressed { border-color: %3 %2 %2 %3; }")
        .arg(face.name(), face.lighter(160).name(), face.darker(180).name());
}

QImage paintedBy(const QPushButton& button, const std::function<void(QPainter&)>& paint) {
    QImage image(button.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(button.font());
    paint(painter);
    return image;
}

using Look = std::tuple<QColor, QStyle::State, QString, QSize>;
class ButtonFace : public ::testing::TestWithParam<Look> {};

TEST_P(ButtonFace, PaintsWhatTheStyleSheetDid) {
    testing::qtApp();
    const auto& [face, state, caption, size] = GetParam();
    QPushButton reference(caption);
    reference.setStyleSheet(styleSheetFor(face));
    reference.resize(size);
    reference.ensurePolished();
    QStyleOptionButton option;
    option.initFrom(&reference);
    option.text = caption;
    option.state = state;
    EXPECT_EQ(paintedBy(reference,
                        [&, face = face](QPainter& p) { ui::paintButtonFace(p, option, face); }),
              paintedBy(reference, [&](QPainter& p) {
                  reference.style()->drawControl(QStyle::CE_PushButton, &option, &p, &reference);
              }));
}

constexpr QStyle::State kRaised = QStyle::State_Enabled | QStyle::State_Raised;
constexpr QStyle::State kSunk = QStyle::State_Enabled | QStyle::State_Sunken;
INSTANTIATE_TEST_SUITE_P(
    States, ButtonFace,
    ::testing::Values(
        Look{QColor(255, 255, 0), kRaised, " Stage (Down)", {120, 40}},
        Look{QColor(255, 255, 0), kSunk, "Launch (Up)", {120, 40}},
        Look{QColor(192, 192, 192), kRaised | QStyle::State_HasFocus, "Quit", {60, 25}},
        Look{QColor(0, 128, 0), kSunk | QStyle::State_HasFocus, "Quit", {60, 25}},
        Look{QColor(0, 0, 128), QStyle::State_Raised, "Off", {41, 17}},
        Look{QColor(255, 0, 0), kRaised, "&Go", {75, 33}}));

}  // namespace
}  // namespace korvane
