#include <gtest/gtest.h>

#include <filesystem>

#include "sound/sound_folder.h"
#include "tests/support/own_folder.h"
#include "tone_file.h"

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;

struct LayoutRow {
    const char* programFolder;
    const char* fromBin;
    const char* folder;
};

TEST(SoundFolder, IsTheConfiguredPathFromTheExecutablesFolder) {
    const LayoutRow rows[] = {
        {"/opt/korvane/bin/", "../share/korvane", "/opt/korvane/share/korvane"},
        {"/usr/games", "../share/games/korvane", "/usr/share/games/korvane"},
        {"/stage/usr/local/bin", "../share/korvane", "/stage/usr/local/share/korvane"},
    };
    for (const LayoutRow& row : rows) {
        EXPECT_EQ(soundFolderFor(row.programFolder, row.fromBin), fs::path(row.folder))
            << row.fromBin;
    }
}

TEST(SoundFolder, IsFoundFromTheProgramsOwnFolderWhateverTheWorkingFolder) {
    const fs::path before = fs::current_path();
    fs::current_path("/");
    const std::string folder = soundFolder(ownFolder());
    fs::current_path(before);
    EXPECT_EQ(folder, (ownFolder() / dataFolderFromBin()).lexically_normal().string());
    EXPECT_EQ(soundFolderProblem(folder), "") << "the build puts the sounds there";
    EXPECT_EQ(soundFolder(""), "") << "an unknown program folder has no sounds";
}

TEST(SoundFolder, AMissingFolderIsOneLineNamingThePathTried) {
    const TempFolder temp;
    EXPECT_EQ(soundFolderProblem(temp.path()), "");
    EXPECT_EQ(soundFolderProblem(temp / "gone"),
              "korvane: no data folder at " + (temp / "gone") + "; the game plays without sound");
    EXPECT_EQ(soundFolderProblem(""),
              "korvane: cannot read the game's own location; the game plays without sound");
}

}  // namespace
}  // namespace korvane::testing
