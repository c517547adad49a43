#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "recording_doubles.h"
#include "sound/mod_play_wave.h"
#include "sound/wave_name.h"
#include "tests/support/unprivileged.h"
#include "tone_file.h"

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;
const Texts kNoSoundMessage{"no sound came out!"};

class PlayWaveChecks : public ::testing::Test {
  protected:
    // Plays the path and expects it to reach the output layer unchanged, with no message.
    void expectPlayed(const std::string& path) {
        output.asked.clear();
        player.PlayWave(path);
        EXPECT_EQ(output.asked, Texts{path});
        EXPECT_EQ(messages.shown, Texts{}) << path;
    }
    // Expects the path to be ignored without a word.
    void expectIgnored(const std::string& path) {
        output.asked.clear();
        player.PlayWave(path);
        EXPECT_EQ(output.asked, Texts{}) << path;
        EXPECT_EQ(messages.shown, Texts{}) << path;
    }
    void expectNoSoundMessage(const std::string& path) {
        player.PlayWave(path);
        EXPECT_EQ(output.asked, Texts{});
        EXPECT_EQ(messages.shown, kNoSoundMessage);
    }

    TempFolder dir;
    RecordingOutput output;
    RecordingMessageBoxes messages;
    modPlayWave player{output, messages};
};

// Only the name's last three letters count, in any letter case, with or without a dot.
TEST_F(PlayWaveChecks, AWaveIsPlayedOrSilentlyIgnoredByTheEndingOfItsName) {
    for (const char* name : {"a.wav", "b.WAV", "c.WaV", "d.wAv", "soundwav"}) {
        expectPlayed(writeTone(dir, name, 50));
    }
    for (const char* name : {"a.wave", "b.mp3", "c.wav.bak", "d.wa"}) {
        expectIgnored(writeTone(dir, name, 50));
    }
    expectIgnored("");
}

TEST(WaveName, ShortNamesAreComparedWhole) {
    EXPECT_TRUE(endsInWav("wav"));
    EXPECT_TRUE(endsInWav("WAV"));
    EXPECT_FALSE(endsInWav("av"));
    EXPECT_FALSE(endsInWav("v"));
    EXPECT_FALSE(endsInWav("wa"));
    EXPECT_FALSE(endsInWav("\xC3\xA4wav\xC3\xA4"));  // ends in a non-ASCII letter
}

TEST_F(PlayWaveChecks, AMissingFileIsIgnoredSilently) {
    expectIgnored(dir / "missing.wav");
    expectIgnored("/no/such/folder/launch.wav");
}

TEST_F(PlayWaveChecks, AFolderFifoDeviceOrDanglingLinkNamedLikeAWaveIsIgnoredWithoutOpeningIt) {
    fs::create_directory(dir / "folder.wav");
    ASSERT_EQ(::mkfifo((dir / "pipe.wav").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", dir / "device.wav");
    fs::create_symlink(dir / "nowhere.wav", dir / "dangling.wav");
    // Opening the FIFO would block this test for good: the lookup must only look.
    for (const char* name : {"folder.wav", "pipe.wav", "device.wav", "dangling.wav"}) {
        expectIgnored(dir / name);
    }
}

TEST_F(PlayWaveChecks, ALinkToARealWavePlaysUnderTheLinksName) {
    const std::string target = writeTone(dir, "real.wav", 50);
    fs::create_symlink(target, dir / "link.wav");
    expectPlayed(dir / "link.wav");
}

TEST_F(PlayWaveChecks, FilesThatAreNotValidWavesStillReachTheOutputLayer) {
    // Judging the content is the output layer's job (it plays its default tone for these).
    expectPlayed(dir.writeText("empty.wav", ""));
    expectPlayed(dir.writeText("text.wav", "this is not a sound\n"));
}

TEST_F(PlayWaveChecks, APathWithNonAsciiCharactersPlays) {
    expectPlayed(writeTone(dir, "z\xC3\xBCndung-\xE2\x82\xAC.wav", 50));  // zündung-€.wav
}

TEST_F(PlayWaveChecks, AFourThousandCharacterPathToARealWavePlays) {
    std::string folder = dir.path();
    while (folder.size() < 3900) {
        folder += "/" + std::string(100, 'f');
        fs::create_directory(folder);
    }
    const std::string name(4000 - folder.size() - 1 - 4, 'n');
    const std::string path = folder + "/" + name + ".wav";
    ASSERT_EQ(path.size(), 4000u);
    std::filesystem::copy_file(writeTone(dir, "short.wav", 50), path);
    expectPlayed(path);
}

TEST_F(PlayWaveChecks, APathTooLongToLookUpShowsTheMessage) {
    // 4,000 characters in one name: the system refuses the lookup (ENAMETOOLONG).
    expectNoSoundMessage(dir / (std::string(3996, 'x') + ".wav"));
}

TEST_F(PlayWaveChecks, AZeroInsideThePathIsIgnoredAndNeverPlaysTheShorterName) {
    const std::string shorter = writeTone(dir, "start", 50);
    expectIgnored(shorter + std::string(1, '\0') + ".wav");
}

TEST_F(PlayWaveChecks, APathThroughAFileAsIfItWereAFolderIsIgnoredSilently) {
    const std::string file = writeTone(dir, "plain.wav", 50);
    expectIgnored(file + "/inner.wav");  // ENOTDIR: nothing can exist there
}

TEST_F(PlayWaveChecks, ALookupCaughtInASymlinkLoopShowsTheMessage) {
    fs::create_symlink(dir / "loop-b.wav", dir / "loop-a.wav");
    fs::create_symlink(dir / "loop-a.wav", dir / "loop-b.wav");
    expectNoSoundMessage(dir / "loop-a.wav");  // ELOOP: the lookup itself failed
    messages.shown.clear();
    expectNoSoundMessage(dir / "loop-a.wav/x.wav");
}

TEST_F(PlayWaveChecks, ALookupThroughAFolderWeMayNotSearchShowsTheMessage) {
    fs::permissions(dir.path(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::create_directory(dir / "locked");
    const std::string path = writeTone(dir, "locked/inside.wav", 50);
    fs::permissions(dir / "locked", fs::perms::none);
    // EACCES: the file may well be there, we cannot tell.
    EXPECT_EXIT(
        {
            becomeUnprivileged();
            player.PlayWave(path);
            const bool ok = output.asked.empty() && messages.shown == kNoSoundMessage;
            std::_Exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(PlayWaveChecks, AFileWeMayNotReadStillPassesTheChecks) {
    fs::permissions(dir.path(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const std::string path = writeTone(dir, "unreadable.wav", 50);
    fs::permissions(path, fs::perms::none);
    // The lookup does not read the file; the output layer finds it will not play.
    EXPECT_EXIT(
        {
            becomeUnprivileged();
            player.PlayWave(path);
            const bool ok = output.asked.size() == 1 && messages.shown.empty();
            std::_Exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(PlayWaveChecks, AnOutputThatCannotStartShowsTheMessageOnceAndTheNextCallTriesAgain) {
    const std::string path = writeTone(dir, "launch.wav", 50);
    output.failuresToThrow = 1;
    player.PlayWave(path);
    EXPECT_EQ(messages.shown, kNoSoundMessage);
    messages.shown.clear();
    expectPlayed(path);
}

TEST_F(PlayWaveChecks, AWaveThatDidNotPlayIsNotReported) {
    output.result = 0;
    expectPlayed(writeTone(dir, "launch.wav", 50));
}

}  // namespace
}  // namespace korvane::testing
