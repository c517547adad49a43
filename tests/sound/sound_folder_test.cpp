#include <gtest/gtest.h>

#include <filesystem>

#include "sound/sound_folder.h"

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;

TEST(SoundFolder, IsTheDataFolderBesideTheExecutablesBinFolder) {
    EXPECT_EQ(soundFolderFor("/opt/korvane/bin/korvane"), fs::path("/opt/korvane/share/korvane"));
}

TEST(SoundFolder, IsFoundFromThisProgramsOwnLocationWhateverTheWorkingFolder) {
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const fs::path before = fs::current_path();
    fs::current_path("/");
    const std::string folder = soundFolder();
    fs::current_path(before);
    EXPECT_EQ(folder, (self.parent_path().parent_path() / "share/korvane").string());
    EXPECT_EQ(soundFile(kLaunchWave), folder + "/launch.wav");
}

}  // namespace
}  // namespace korvane::testing
