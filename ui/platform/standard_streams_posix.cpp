#include "ui/startup/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <initializer_list>

namespace korvane::ui {

namespace {

bool outputClosed = false;

}  // namespace

void openClosedStandardStreams() {
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF) continue;
        if (stream == STDOUT_FILENO) outputClosed = true;
        // open() takes the lowest free number, and the streams below this one are open by now.
        ::open("/dev/null", O_RDWR);
    }
}

bool outputWasClosed() {
    return outputClosed;
}

void ignoreBrokenPipes() {
    std::signal(SIGPIPE, SIG_IGN);
}

namespace {

// Room for Qt's lines from the start; more than this are let through at once.
constexpr std::size_t kRoom = 16384;
std::array<char, kRoom> keptBytes;
// The handler reads these: it writes the bytes between them.
std::atomic<std::size_t> keptBegin{0};
std::atomic<std::size_t> keptEnd{0};
static_assert(std::atomic<std::size_t>::is_always_lock_free, "read in a signal handler");

constexpr std::array kEndingSignals{SIGTERM, SIGINT, SIGHUP, SIGSEGV,
                                    SIGBUS,  SIGFPE, SIGILL, SIGABRT};

// Only write(2) and the signal calls here: they are safe in a signal handler.
void writeKeptThenEnd(int number) {
    const std::size_t begin = keptBegin.load();  // before the end: a reset stores the end first
    const std::size_t end = keptEnd.load();
    for (std::size_t at = begin; at < end;) {
        const ssize_t written = ::write(STDERR_FILENO, keptBytes.data() + at, end - at);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) break;
        at += static_cast<std::size_t>(written);
    }
    // Blocked until this handler returns, then it ends the game as it would have.
    ::signal(number, SIG_DFL);
    ::raise(number);
}

bool handledByUs(int signal) {
    struct sigaction now {};
    return ::sigaction(signal, nullptr, &now) == 0 && now.sa_handler == &writeKeptThenEnd;
}

}  // namespace

KeptForSignals::KeptForSignals() {
    for (const int signal : kEndingSignals) {
        struct sigaction now {};
        if (::sigaction(signal, nullptr, &now) != 0 || now.sa_handler != SIG_DFL) continue;
        struct sigaction action {};
        action.sa_handler = &writeKeptThenEnd;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

KeptForSignals::~KeptForSignals() {
    for (const int signal : kEndingSignals) {
        if (handledByUs(signal)) ::signal(signal, SIG_DFL);
    }
    written(end());
}

bool KeptForSignals::keep(std::string_view bytes) {
    const std::size_t end = keptEnd.load();
    if (bytes.size() > kRoom - end) return false;
    std::memcpy(keptBytes.data() + end, bytes.data(), bytes.size());
    keptEnd.store(end + bytes.size());
    return true;
}

std::size_t KeptForSignals::end() const {
    return keptEnd.load();
}

void KeptForSignals::written(std::size_t end) {
    if (end > keptBegin.load()) keptBegin.store(end);
    if (keptBegin.load() < keptEnd.load()) return;
    keptEnd.store(0);
    keptBegin.store(0);
}

}  // namespace korvane::ui
