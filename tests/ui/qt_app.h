#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>

namespace korvane::testing {

// The one QApplication of a test program, made on first use. It is never destroyed: at exit
// Qt's own globals may already be gone.
inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "korvane-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A base that makes the QApplication before a fixture's widgets are built.
struct QtAppFirst {
    QtAppFirst() { qtApp(); }
};

// Runs the event loop until the condition holds or the time is up; says whether it held.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > timeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}

}  // namespace korvane::testing
