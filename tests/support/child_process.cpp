#include "tests/support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace korvane::testing {

namespace {

// Everything the child needs is built before fork: after it, only exec-safe calls are made.
struct PreparedExec {
    std::vector<std::string> argStrings;
    std::vector<std::string> envStrings;
    std::vector<char*> argv;
    std::vector<char*> envp;

    PreparedExec(const std::vector<std::string>& command, const ChildProcess::Environment& extra)
        : argStrings(command) {
        for (char** e = environ; *e != nullptr; ++e) {
            const std::string entry = *e;
            bool overridden = false;
            for (const auto& [name, value] : extra) overridden |= entry.starts_with(name + "=");
            if (!overridden) envStrings.push_back(entry);
        }
        for (const auto& [name, value] : extra) envStrings.push_back(name + "=" + value);
        for (auto& s : argStrings) argv.push_back(s.data());
        argv.push_back(nullptr);
        for (auto& s : envStrings) envp.push_back(s.data());
        envp.push_back(nullptr);
    }
};

pid_t startChild(const PreparedExec& exec, int outputFd) {
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) ::_exit(127);
        ::dup2(outputFd, STDOUT_FILENO);
        ::dup2(outputFd, STDERR_FILENO);
        ::execvpe(exec.argv[0], exec.argv.data(), exec.envp.data());
        ::_exit(127);
    }
    return pid;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command, const Environment& extra,
                           const std::string& logFile) {
    const PreparedExec exec(command, extra);
    const int fd = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("cannot open " + logFile);
    pid_ = startChild(exec, fd);
    ::close(fd);
}

ChildProcess::~ChildProcess() {
    stop(SIGTERM);
}

bool ChildProcess::running() {
    if (pid_ < 0) return false;
    if (::waitpid(pid_, &status_, WNOHANG) == pid_) pid_ = -1;
    return pid_ >= 0;
}

int ChildProcess::stop(int signal, int graceMs) {
    if (!running()) return status_;
    ::kill(pid_, signal);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMs);
    while (running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (running()) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status_, 0);
        pid_ = -1;
    }
    return status_;
}

bool runsSuccessfully(const std::vector<std::string>& command,
                      const ChildProcess::Environment& extra) {
    const PreparedExec exec(command, extra);
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t pid = startChild(exec, devNull);
    ::close(devNull);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool programsInstalled(const std::vector<std::string>& names) {
    const char* path = std::getenv("PATH");
    const std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    for (const std::string& name : names) {
        bool found = false;
        std::size_t start = 0;
        while (!found && start <= folders.size()) {
            const std::size_t end = std::min(folders.find(':', start), folders.size());
            const auto candidate = std::filesystem::path(folders.substr(start, end - start)) / name;
            found = ::access(candidate.c_str(), X_OK) == 0;
            start = end + 1;
        }
        if (!found) return false;
    }
    return true;
}

}  // namespace korvane::testing
