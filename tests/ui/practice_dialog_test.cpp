#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "qt_app.h"
#include "ui/practice/practice_dialog.h"

namespace korvane::testing {
namespace {

using ui::PracticeDialog;

struct Keystroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// A shown, active dialog with F as the race key.
struct Dialog {
    Dialog() : dialog(start(), nullptr) {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    static ui::PracticeSettings start() {
        ui::PracticeSettings settings;
        settings.raceKey = Qt::Key_F;
        settings.raceKeyName = "F";
        return settings;
    }
    // Each keystroke goes where a real one would: to the widget with the focus.
    void type(const std::vector<Keystroke>& keys) {
        for (const Keystroke& k : keys) {
            QWidget* target = QApplication::focusWidget();
            QTest::keyClick(target != nullptr ? target : &dialog, k.key, k.modifiers);
            // A button's mnemonic clicks it some 100 ms later.
            if (k.modifiers != Qt::NoModifier) QTest::qWait(150);
        }
    }
    template <typename T>
    T* named(const QString& name) {
        for (T* child : dialog.findChildren<T*>()) {
            if (child->accessibleName() == name) return child;
        }
        return nullptr;
    }
    QtAppFirst app;
    PracticeDialog dialog;
};

struct KeyRow {
    const char* what;
    std::vector<Keystroke> keys;
    int raceKey;
    bool closed;
    int result = QDialog::Accepted;
};

TEST(PracticeDialog, TheKeyboardChoosesTheRaceKeyWithoutTraps) {
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const KeyRow rows[] = {
        {"Alt+K only moves the focus", {{Qt::Key_K, alt}, {Qt::Key_F8}}, Qt::Key_F, false},
        {"a chosen key, Return confirms",
         {{Qt::Key_K, alt}, {Qt::Key_Space}, {Qt::Key_F8}, {Qt::Key_Return}},
         Qt::Key_F8,
         true},
        {"Return chosen as the key, then Return confirms",
         {{Qt::Key_K, alt}, {Qt::Key_Space}, {Qt::Key_Return}, {Qt::Key_Return}},
         Qt::Key_Return,
         true},
        {"Escape while choosing keeps the old key",
         {{Qt::Key_K, alt}, {Qt::Key_Space}, {Qt::Key_Escape}},
         Qt::Key_F,
         false},
        {"Escape after a cancelled choice closes the dialog",
         {{Qt::Key_K, alt}, {Qt::Key_Space}, {Qt::Key_Escape}, {Qt::Key_Escape}},
         Qt::Key_F,
         true,
         QDialog::Rejected},
    };
    for (const KeyRow& r : rows) {
        Dialog d;
        d.type(r.keys);
        EXPECT_EQ(d.dialog.settings().raceKey, r.raceKey) << r.what;
        EXPECT_EQ(!d.dialog.isVisible(), r.closed) << r.what;
        if (r.closed) {
            EXPECT_EQ(d.dialog.result(), r.result) << r.what;
        }
    }
}

struct RangeRow {
    double from;
    double to;
    bool accepted;
};

TEST(PracticeDialog, ARangeTypedBackwardsIsRefusedWithAWord) {
    const RangeRow rows[] = {{2.5, 1.0, false}, {1.0, 2.5, true}, {1.5, 1.5, true}};
    for (const RangeRow& r : rows) {
        Dialog d;
        d.named<QDoubleSpinBox>("Shortest start delay")->setValue(r.from);
        d.named<QDoubleSpinBox>("Longest start delay")->setValue(r.to);
        d.dialog.accept();
        EXPECT_EQ(!d.dialog.isVisible(), r.accepted) << r.from << " to " << r.to;
        EXPECT_EQ(d.named<QLabel>("Start delay problem")->isVisible(), !r.accepted) << r.from;
        EXPECT_EQ(d.dialog.settings().delayFromMs, static_cast<int>(r.from * 1000)) << r.from;
    }
}

}  // namespace
}  // namespace korvane::testing
