#include "ui/startup/display_guard.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "ui/startup/standard_streams.h"

namespace korvane::ui {

namespace {

// Qt's lines are held back this long after the display opened: a display dying at the start is
// noticed only once the start-up sound has played, and the lines it causes before are noise.
constexpr std::chrono::seconds kHeldAfterOpening(5);

// A display that takes the connection and never answers would hang the game before its first
// window, silently. Starts take a second or two; past this the display is given up on.
constexpr std::chrono::seconds kFirstWindowWithin(15);

struct HeldLine {
    QtMsgType type;
    std::string category;
    QString text;
};

struct GuardState {
    std::mutex mutex;
    QtMessageHandler previous = nullptr;
    bool opened = false;  // the QApplication is made
    bool holding = true;  // until a few seconds after the display opened
    std::vector<HeldLine> held;
    std::optional<KeptForSignals> kept;  // the held lines as Qt would print them
    std::jthread watchdog;               // until the first window is shown
};

// Held lines taken to be passed on outside the lock, and where their bytes kept for signals end.
struct Released {
    QtMessageHandler to;
    std::vector<HeldLine> lines;
    std::size_t keptEnd;
};

GuardState& state() {
    static GuardState guard;
    return guard;
}

QString variable(const char* name) {
    const QString value = qEnvironmentVariable(name);
    return QString::fromLatin1(name) + (value.isEmpty() ? QStringLiteral(" (unset)") : "=" + value);
}

// A platform Qt tried, with the display it looked for.
QString attempt(const QString& platform) {
    if (platform == QLatin1String("xcb")) return platform + " on " + variable("DISPLAY");
    if (platform.startsWith(QLatin1String("wayland"))) {
        return platform + " on " + variable("WAYLAND_DISPLAY");
    }
    return platform;
}

// The platforms tried: the one in use once the application is made, else those Qt's lines name.
QStringList platformsTried(const GuardState& guard) {
    if (guard.opened) return {attempt(QGuiApplication::platformName())};
    static const QRegularExpression named(QStringLiteral("platform plugin \"([^\"]+)\""));
    QStringList tried;
    for (const HeldLine& line : guard.held) {
        const QRegularExpressionMatch match = named.match(line.text);
        if (!match.hasMatch()) continue;
        const QString platform = attempt(match.captured(1));
        if (!tried.contains(platform)) tried << platform;
    }
    if (tried.isEmpty()) tried << QStringLiteral("Qt's platform plugins");
    return tried;
}

// The platforms Qt tries in turn, chosen as Qt 6 chooses them: those QT_QPA_PLATFORM names,
// else Wayland where a Wayland session shows, then xcb.
QStringList platformsChosen() {
    QStringList chosen;
    for (const QString& entry : qEnvironmentVariable("QT_QPA_PLATFORM").split(QLatin1Char(';'))) {
        if (!entry.isEmpty()) chosen << attempt(entry.section(QLatin1Char(':'), 0, 0));
    }
    if (!chosen.isEmpty()) return chosen;
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
        qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")) {
        chosen << attempt(QStringLiteral("wayland"));
    }
    return chosen << attempt(QStringLiteral("xcb"));
}

// What Qt said about the display itself: the platforms' lines (Wayland's are criticals without
// a category). Its lines on plugins and its closing advice name nothing that was not tried.
QStringList reasons(const std::vector<HeldLine>& held, QtMsgType type, const QString& text) {
    QStringList said;
    for (const HeldLine& line : held) {
        const bool platforms = line.category.rfind("qt.qpa.", 0) == 0;
        if (line.type == QtCriticalMsg || (platforms && line.category != "qt.qpa.plugin")) {
            said << line.text.trimmed();
        }
    }
    if (type != QtFatalMsg || said.isEmpty()) said << text.section(QLatin1Char('\n'), 0, 0);
    return said;
}

[[noreturn]] void sayCannotOpen(const QStringList& tried, const QStringList& reasons) {
    const QString line = "korvane: cannot open a display: tried " +
                         tried.join(QStringLiteral(", ")) + ": " +
                         reasons.join(QStringLiteral("; ")) + "\n";
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    // At once: Qt would go on to abort, or exit through handlers that need the display.
    std::_Exit(1);
}

[[noreturn]] void cannotOpenDisplay(const GuardState& guard, QtMsgType type, const QString& text) {
    sayCannotOpen(platformsTried(guard), reasons(guard.held, type, text));
}

// Runs on its own thread: the game's is stuck waiting for the display.
void watchForFirstWindow(const std::stop_token& stop) {
    std::mutex mutex;
    std::condition_variable_any never;
    std::unique_lock lock(mutex);
    never.wait_for(lock, stop, kFirstWindowWithin, [] { return false; });
    if (stop.stop_requested()) return;
    GuardState& guard = state();
    const std::lock_guard guardLock(guard.mutex);
    sayCannotOpen(guard.opened ? platformsTried(guard) : platformsChosen(),
                  {QStringLiteral("no answer in %1 s").arg(kFirstWindowWithin.count())});
}

// Calls the watchdog off once a window is on screen: the display answers.
class FirstWindowShown : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isExposed()) {
            state().watchdog.request_stop();
            deleteLater();
        }
        return false;
    }
};

// Called with the lock held.
Released release(GuardState& guard) {
    return {guard.previous, std::exchange(guard.held, {}), guard.kept ? guard.kept->end() : 0};
}

// Called without the lock: the handler passed to may take locks of its own, or log.
void pass(const Released& released) {
    for (const HeldLine& line : released.lines) {
        const QMessageLogContext context(nullptr, 0, nullptr, line.category.c_str());
        released.to(line.type, context, line.text);
    }
    GuardState& guard = state();
    const std::lock_guard lock(guard.mutex);
    if (guard.kept) guard.kept->written(released.keptEnd);
}

// Qt ends the game once these are passed on. QT_FATAL_WARNINGS and QT_FATAL_CRITICALS may name
// a later one as fatal; any setting is taken to mean this one.
bool mayBeFatal(QtMsgType type) {
    static const bool warnings = !qEnvironmentVariableIsEmpty("QT_FATAL_WARNINGS");
    static const bool criticals = warnings || !qEnvironmentVariableIsEmpty("QT_FATAL_CRITICALS");
    return type == QtFatalMsg || (type == QtWarningMsg && warnings) ||
           (type == QtCriticalMsg && criticals);
}

// The line as Qt's own handler would print it, for a signal to write.
std::string printed(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    return (qFormatLogMessage(type, context, text) + '\n').toLocal8Bit().toStdString();
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    GuardState& guard = state();
    const std::string bytes = printed(type, context, text);
    std::unique_lock lock(guard.mutex);
    const bool displayGone = text.contains(QLatin1String("connection broke"));
    if (displayGone || (type == QtFatalMsg && !guard.opened)) cannotOpenDisplay(guard, type, text);
    if (guard.holding && !mayBeFatal(type) && guard.kept && guard.kept->keep(bytes)) {
        guard.held.push_back({type, context.category ? context.category : "", text});
        return;
    }
    const Released released = release(guard);
    lock.unlock();
    pass(released);
    released.to(type, context, text);
}

void letThrough() {
    GuardState& guard = state();
    std::unique_lock lock(guard.mutex);
    guard.holding = false;
    const Released released = release(guard);
    lock.unlock();
    pass(released);
}

}  // namespace

DisplayGuard::DisplayGuard() {
    state().kept.emplace();
    state().previous = qInstallMessageHandler(&handleMessage);
    state().watchdog = std::jthread(&watchForFirstWindow);
    // The held lines go out however the game ends: here on exit(), through the kept bytes on a
    // signal, before a fatal message in handleMessage.
    std::atexit(&letThrough);
}

DisplayGuard::~DisplayGuard() {
    state().watchdog = {};  // called off and joined
    letThrough();
    qInstallMessageHandler(state().previous);
    const std::lock_guard lock(state().mutex);
    state().kept.reset();
}

void DisplayGuard::displayOpened() const {
    {
        const std::lock_guard lock(state().mutex);
        state().opened = true;
    }
    QTimer::singleShot(kHeldAfterOpening, qApp, &letThrough);
    qApp->installEventFilter(new FirstWindowShown(qApp));
}

}  // namespace korvane::ui
