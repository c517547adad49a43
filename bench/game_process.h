#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace korvane::bench {

// A program started for a benchmark and ended (SIGTERM) when this goes.
class GameProcess {
  public:
    explicit GameProcess(const std::string& path, std::vector<std::string> arguments = {});
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    pid_t pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
};

}  // namespace korvane::bench
