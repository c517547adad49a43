#include <SDL.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <future>
#include <thread>

#include "recording_doubles.h"
#include "sound/mod_play_wave.h"
#include "sound/sdl_wave_output.h"
#include "sound/sound_error.h"
#include "sound/synth/wave_writer.h"
#include "tests/support/unprivileged.h"
#include "tone_file.h"

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// These run on SDL's dummy driver, which consumes samples in real time without a sound card.
class SdlOutput : public ::testing::Test {
  protected:
    struct Outcome {
        int result;
        Clock::duration took;
    };

    // Plays the path; a call still blocked after ten seconds ends the whole run as hung.
    Outcome play(const std::string& path) {
        const auto start = Clock::now();
        auto call = std::async(std::launch::async, [&] { return output.playSync(path); });
        if (call.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << "playing " << path << " hung";
            std::_Exit(1);
        }
        const int result = call.get();
        return {result, Clock::now() - start};
    }

    // A wave of 300 ms whose data chunk is cut to the given share of its bytes.
    std::string writeCut(const std::string& name, std::size_t keepBytes) {
        auto bytes = waveFileBytes(toneSamples(300, 22050), 22050);
        bytes.resize(keepBytes);
        return dir.write(name, bytes);
    }

    TempFolder dir;
    SdlWaveOutput output;
};

using std::chrono::milliseconds;

TEST_F(SdlOutput, AWavePlaysToItsEndBeforeTheCallReturnsNonZero) {
    const Outcome outcome = play(writeTone(dir, "tone.wav", 300));
    EXPECT_NE(outcome.result, 0);
    EXPECT_GE(outcome.took, milliseconds(270));
}

TEST_F(SdlOutput, WavesOfOtherRatesPlayToo) {
    EXPECT_NE(play(writeTone(dir, "low.wav", 100, 8000)).result, 0);
    EXPECT_NE(play(writeTone(dir, "high.wav", 100, 48000)).result, 0);
}

TEST_F(SdlOutput, AFileThatIsNotAValidWaveGetsTheDefaultToneAndReturnsZero) {
    for (const std::string& path :
         {dir.writeText("empty.wav", ""), dir.writeText("text.wav", "not a sound at all\n"),
          writeCut("header-cut.wav", 30)}) {
        const Outcome outcome = play(path);
        EXPECT_EQ(outcome.result, 0) << path;
        EXPECT_GE(outcome.took, milliseconds(250)) << path << ": the default tone lasts 300 ms";
    }
}

TEST_F(SdlOutput, AWaveCutShortInItsDataPlaysNoMoreThanIsThere) {
    const Outcome outcome = play(writeCut("data-cut.wav", 44 + 6615));  // 150 of 300 ms
    EXPECT_NE(outcome.result, 0);
    EXPECT_LT(outcome.took, milliseconds(2000));
}

// Watches every allocation SDL makes for the largest single request.
class LargestSdlAllocation {
  public:
    LargestSdlAllocation() {
        largest_ = 0;
        SDL_GetMemoryFunctions(&malloc_, &calloc_, &realloc_, &free_);
        SDL_SetMemoryFunctions(&recordMalloc, &recordCalloc, &recordRealloc, free_);
    }
    ~LargestSdlAllocation() { SDL_SetMemoryFunctions(malloc_, calloc_, realloc_, free_); }
    std::size_t bytes() const { return largest_; }

  private:
    static void note(std::size_t size) {
        std::size_t seen = largest_.load();
        while (size > seen && !largest_.compare_exchange_weak(seen, size)) {
        }
    }
    static void* recordMalloc(std::size_t size) { return note(size), std::malloc(size); }
    static void* recordCalloc(std::size_t n, std::size_t size) {
        return note(n * size), std::calloc(n, size);
    }
    static void* recordRealloc(void* p, std::size_t size) {
        return note(size), std::realloc(p, size);
    }

    static inline std::atomic<std::size_t> largest_{0};
    SDL_malloc_func malloc_ = nullptr;
    SDL_calloc_func calloc_ = nullptr;
    SDL_realloc_func realloc_ = nullptr;
    SDL_free_func free_ = nullptr;
};

void putLE32(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

TEST_F(SdlOutput, AHeaderClaimingGigabytesNeverMakesTheLayerAskForThem) {
    auto bytes = waveFileBytes(toneSamples(100, 22050), 22050);
    putLE32(bytes, 40, 0xFFFFFF00u);  // the data chunk's length
    const std::string dataOnly = dir.write("data-claim.wav", bytes);
    putLE32(bytes, 4, 0xFFFFFFF0u);  // and the whole file's
    const std::string both = dir.write("riff-claim.wav", bytes);
    // SDL also takes a file that starts with the form type "WAVE" and has no RIFF header.
    const std::string noRiff =
        dir.write("no-riff.wav", std::vector<unsigned char>(bytes.begin() + 8, bytes.end()));

    for (const std::string& path : {dataOnly, both, noRiff}) {
        LargestSdlAllocation largest;
        const Outcome outcome = play(path);
        EXPECT_NE(outcome.result, 0) << path << ": the 100 ms that are there play";
        EXPECT_LT(outcome.took, milliseconds(3000)) << path;
        EXPECT_LT(largest.bytes(), 1u << 20) << path;
    }
}

TEST_F(SdlOutput, NamesThatPassTheChecksPlayThroughPlayWave) {
    RecordingMessageBoxes messages;
    modPlayWave player(output, messages);
    const std::string real = writeTone(dir, "real.wav", 50);
    fs::create_symlink(real, dir / "link.wav");
    for (const std::string& path : {writeTone(dir, "soundwav", 50), dir / "link.wav",
                                    writeTone(dir, "z\xC3\xBCndung-\xE2\x82\xAC.WaV", 50)}) {
        EXPECT_NE(play(path).result, 0) << path;  // the layer plays it ...
        player.PlayWave(path);                    // ... and PlayWave lets it through quietly
    }
    EXPECT_EQ(messages.shown, std::vector<std::string>{});
}

TEST_F(SdlOutput, AFifoSwappedInAfterTheChecksNeitherHangsNorPlays) {
    ASSERT_EQ(::mkfifo((dir / "pipe.wav").c_str(), 0644), 0);
    EXPECT_EQ(play(dir / "pipe.wav").result, 0);
}

TEST_F(SdlOutput, PlayingLeavesCtrlCAndTerminationToEndTheGame) {
    play(writeTone(dir, "tone.wav", 50));
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {};
        ASSERT_EQ(::sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
    }
}

// The header of a wave file of 32-bit PCM samples.
std::vector<unsigned char> pcm32Header(int rate, int channels, std::uint32_t dataBytes) {
    std::vector<unsigned char> bytes(44);
    const auto tag = [&](std::size_t at, const char* text) { std::memcpy(&bytes[at], text, 4); };
    const auto le16 = [&](std::size_t at, unsigned value) {
        bytes[at] = static_cast<unsigned char>(value);
        bytes[at + 1] = static_cast<unsigned char>(value >> 8);
    };
    tag(0, "RIFF");
    putLE32(bytes, 4, 36 + dataBytes);
    tag(8, "WAVE");
    tag(12, "fmt ");
    putLE32(bytes, 16, 16);
    le16(20, 1);  // PCM
    le16(22, static_cast<unsigned>(channels));
    putLE32(bytes, 24, static_cast<std::uint32_t>(rate));
    putLE32(bytes, 28, static_cast<std::uint32_t>(rate * channels * 4));
    le16(32, static_cast<unsigned>(channels * 4));
    le16(34, 32);
    tag(36, "data");
    putLE32(bytes, 40, dataBytes);
    return bytes;
}

TEST_F(SdlOutput, AValidWaveOfFortyMegabytesPlaysItselfInPiecesNotTheDefaultTone) {
    // Eight channels of 32-bit samples at 384 kHz: 40 MiB last about 3.4 s.
    constexpr std::uint32_t kDataBytes = 40u << 20;
    std::vector<unsigned char> bytes = pcm32Header(384000, 8, kDataBytes);
    bytes.resize(bytes.size() + kDataBytes, 0x10);
    const std::string path = dir.write("long.wav", bytes);
    bytes = {};

    LargestSdlAllocation largest;
    const Outcome outcome = play(path);
    EXPECT_NE(outcome.result, 0) << "the default tone played instead";
    EXPECT_GE(outcome.took, milliseconds(3000)) << "it did not play to its end";
    EXPECT_LT(largest.bytes(), 4u << 20) << "the samples were not read in pieces";
}

TEST_F(SdlOutput, WhateverKeepsASoundFromPlayingSaysWhyInOneLineOnStderr) {
    struct Row {
        std::string path;
        std::string reason;  // empty: nothing on stderr
    };
    ASSERT_EQ(::mkfifo((dir / "pipe.wav").c_str(), 0644), 0);
    const Row rows[] = {
        {writeTone(dir, "tone.wav", 50), ""},
        {dir.writeText("text.wav", "not a sound\n"), "not a RIFF WAVE file"},
        {writeCut("header-cut.wav", 30), "no data chunk"},
        {dir / "pipe.wav", "not a regular file"},
    };
    for (const Row& row : rows) {
        ::testing::internal::CaptureStderr();
        play(row.path);
        const std::string said = ::testing::internal::GetCapturedStderr();
        if (row.reason.empty()) {
            EXPECT_EQ(said, "") << row.path;
            continue;
        }
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(row.path), std::string::npos) << said;
        EXPECT_NE(said.find(row.reason), std::string::npos) << said;
    }
}

// Switches SDL's audio driver for one test; SDL reads it when its audio starts.
class AudioDriver {
  public:
    explicit AudioDriver(const char* name) { ::setenv("SDL_AUDIODRIVER", name, 1); }
    ~AudioDriver() { ::setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(SdlOutput, AudioStartsAtTheFirstCallAndNotBefore) {
    SdlWaveOutput fresh;
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    fresh.playSync(writeTone(dir, "tone.wav", 20));
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(SdlOutput, AudioThatWillNotStartRaisesAnErrorAndTheNextCallTriesAgain) {
    const std::string path = writeTone(dir, "launch.wav", 50);
    SdlWaveOutput fresh;
    {
        AudioDriver missing("no-such-driver");
        EXPECT_THROW(fresh.playSync(path), SoundError);
    }
    EXPECT_NE(fresh.playSync(path), 0);
}

TEST_F(SdlOutput, AudioThatWillNotStartShowsNoSoundCameOutThroughPlayWave) {
    RecordingMessageBoxes messages;
    SdlWaveOutput fresh;
    modPlayWave player(fresh, messages);
    AudioDriver missing("no-such-driver");
    const std::string path = writeTone(dir, "launch.wav", 50);
    ::testing::internal::CaptureStderr();
    player.PlayWave(path);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"no sound came out!"});
    EXPECT_NE(said.find(path + ": audio would not start"), std::string::npos) << said;
}

// A sound server socket that takes the connection and never says a word: the start-up sound
// gives up after the allowance rather than after the client library's own half minute, and
// while the worker is still stuck the next sound is silent and quick.
TEST_F(SdlOutput, ASoundServerThatNeverAnswersCostsTheAllowanceNotHalfAMinute) {
    const std::string socketPath = dir / "native";
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(server, 8), 0);  // connections wait in the backlog, never answered
    const std::string path = writeTone(dir, "FiredUp.wav", 50);
    EXPECT_EXIT(
        {
            ::setenv("PULSE_SERVER", ("unix:" + socketPath).c_str(), 1);
            AudioDriver pulse("pulseaudio");
            SdlWaveOutput fresh;
            RecordingMessageBoxes messages;
            modPlayWave player(fresh, messages);
            const auto start = Clock::now();
            player.PlayWave(path);
            const bool toldOnce = messages.shown == std::vector<std::string>{"no sound came out!"};
            const auto firstTook = Clock::now() - start;
            player.PlayWave(path);
            const bool secondSilent = messages.shown.size() == 1;
            const auto bothTook = Clock::now() - start;
            // Generous: the client library alone would wait 30 s.
            const bool quick = firstTook < std::chrono::seconds(10) &&
                               bothTook - firstTook < std::chrono::seconds(5);
            std::_Exit(toldOnce && secondSilent && quick ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    ::close(server);
}

TEST_F(SdlOutput, WithNoUsableOutputDeviceTheCallReturnsZeroAndPlayWaveStaysSilent) {
    // The disk driver starts, but its device cannot open where there is no such folder.
    AudioDriver disk("disk");
    ::setenv("SDL_DISKAUDIOFILE", "/no/such/folder/out.raw", 1);
    SdlWaveOutput fresh;
    const std::string path = writeTone(dir, "launch.wav", 50);
    EXPECT_EQ(fresh.playSync(path), 0);
    RecordingMessageBoxes messages;
    modPlayWave(fresh, messages).PlayWave(path);
    EXPECT_EQ(messages.shown, std::vector<std::string>{});
    ::unsetenv("SDL_DISKAUDIOFILE");
}

TEST_F(SdlOutput, AFileWeMayNotReadReturnsZeroWithoutAMessage) {
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::others_exec);
    const std::string path = writeTone(dir, "unreadable.wav", 50);
    fs::permissions(path, fs::perms::none);
    EXPECT_EXIT(
        {
            becomeUnprivileged();
            SdlWaveOutput fresh;
            RecordingMessageBoxes messages;
            const int result = fresh.playSync(path);
            modPlayWave(fresh, messages).PlayWave(path);
            std::_Exit(result == 0 && messages.shown.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace korvane::testing
