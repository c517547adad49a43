#include "tests/support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace korvane::testing {

namespace {

// posix_spawnp's argument and environment arrays, pointing into strings held here.
struct SpawnArguments {
    std::vector<std::string> argStrings;
    std::vector<std::string> envStrings;
    std::vector<char*> argv;
    std::vector<char*> envp;

    SpawnArguments(const std::vector<std::string>& command, const ChildProcess::Environment& extra)
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

// Starts the program with stdout and stderr in the output file; -1 when it cannot start.
pid_t spawn(const std::vector<std::string>& command, const ChildProcess::Environment& extra,
            const std::string& output) {
    const SpawnArguments arguments(command, extra);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, arguments.argv[0], &actions, nullptr,
                                   arguments.argv.data(), arguments.envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command, const Environment& extra,
                           const std::string& logFile) {
    // setpriv has the program sent SIGTERM when this process dies.
    std::vector<std::string> told{"setpriv", "--pdeathsig", "TERM", "--"};
    told.insert(told.end(), command.begin(), command.end());
    pid_ = spawn(told, extra, logFile);
    if (pid_ < 0) throw std::runtime_error("cannot start " + command.front() + " into " + logFile);
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
    const pid_t pid = spawn(command, extra, "/dev/null");
    if (pid < 0) return false;
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
