#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>

namespace korvane::testing {

// The one QApplication of a test program, made on first use.
inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "korvane-tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

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
