#include "game_process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "bench/temp_folder.h"

extern char** environ;

namespace korvane::bench {

namespace {

// The game's settings and logbook go to folders of the benchmark's own, never the player's.
void keepApart(const char* variable) {
    const char* now = std::getenv(variable);
    const auto ours = std::filesystem::temp_directory_path() / "korvane-bench-";
    if (now != nullptr && std::string(now).starts_with(ours.string())) return;
    setenv(variable, folderUntilExit().c_str(), 1);
}

}  // namespace

GameProcess::GameProcess(const std::string& path, std::vector<std::string> arguments) {
    keepApart("XDG_CONFIG_HOME");
    keepApart("XDG_DATA_HOME");
    arguments.insert(arguments.begin(), path);
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + path);
    }
}

GameProcess::~GameProcess() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

}  // namespace korvane::bench
