#pragma once

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

namespace korvane::testing {

// A program started in the background with extra environment variables. It is told to end
// (SIGTERM) when this process dies, so a crashed test leaves nothing behind.
class ChildProcess {
  public:
    using Environment = std::vector<std::pair<std::string, std::string>>;

    // Starts the program (looked up in PATH); stdout and stderr go to logFile.
    ChildProcess(const std::vector<std::string>& command, const Environment& extra,
                 const std::string& logFile);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool running();
    // Sends the signal and waits for the end, killing it after the grace period; returns the
    // wait status.
    int stop(int signal, int graceMs = 5000);

  private:
    pid_t pid_ = -1;
    int status_ = 0;
};

// Runs a program to its end with extra environment variables; true when it exits with 0.
bool runsSuccessfully(const std::vector<std::string>& command,
                      const ChildProcess::Environment& extra);

// True when every program is found in PATH.
bool programsInstalled(const std::vector<std::string>& names);

}  // namespace korvane::testing
