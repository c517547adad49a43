#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include "qt_app.h"
#include "ui/shell/qt_message_boxes.h"

namespace korvane::testing {
namespace {

TEST(QtMessageBoxes, ShowsAModalBoxTitledKorvaneWithOneOkButtonAndNoIconUntilDismissed) {
    qtApp();
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    int buttons = 0;
    bool modal = false;
    bool seen = false;
    QTimer poll;
    poll.callOnTimeout([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll.stop();
        seen = true;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(20);
    // Should the box never be found, it is closed anyway so the test ends.
    QTimer::singleShot(5000, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    ui::QtMessageBoxes boxes;
    boxes.show("no sound came out!");
    ASSERT_TRUE(seen);
    EXPECT_EQ(title, "Korvane");
    EXPECT_EQ(text, "no sound came out!");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, 1);
    EXPECT_TRUE(modal);
}

}  // namespace
}  // namespace korvane::testing
