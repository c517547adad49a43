#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>

#include "recording_doubles.h"
#include "sound/mod_play_wave.h"
#include "sound/sdl_wave_output.h"
#include "sound/sound_folder.h"
#include "tests/support/own_folder.h"
#include "tests/support/pulse_null_sink.h"
#include "tone_file.h"

namespace korvane::testing {
namespace {

// Plays through a real sound server: a private PulseAudio with a null sink whose monitor is
// recorded, so what came out can be measured.
class PulsePlayback : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!PulseNullSink::installed())
            GTEST_SKIP() << "pulseaudio or pulseaudio-utils is not installed";
        sink = std::make_unique<PulseNullSink>();
        sink->routeSdlAudioHere();
        // An idle null sink starts a new stream only at the end of its two-second block; a
        // listener keeps it running, like a sound card, between the recordings.
        listener = std::make_unique<ChildProcess>(
            std::vector<std::string>{"parecord", "--device=korvane.monitor", "--raw",
                                     "--latency-msec=10", "/dev/null"},
            sink->clientEnvironment(), sink->folder() + "/listener.log");
    }

    // Plays the path through PlayWave with the recorder running, and stops the recorder the
    // moment PlayWave returns: the recording holds what had come out by then.
    std::vector<std::int16_t> recordPlayWave(const std::string& path) {
        MonitorRecording recording(*sink);
        player.PlayWave(path);
        return recording.stop();
    }

    std::unique_ptr<PulseNullSink> sink;
    std::unique_ptr<ChildProcess> listener;
    TempFolder dir;
    SdlWaveOutput output;
    RecordingMessageBoxes messages;
    modPlayWave player{output, messages};
};

TEST_F(PulsePlayback, AWaveHasComeOutInFullByTheTimePlayWaveReturns) {
    const auto recorded = recordPlayWave(writeTone(dir, "tone.wav", 300));
    // Of its 300 ms, the two 10 ms windows at the edges may be partly filled.
    EXPECT_GE(audibleMs(recorded, MonitorRecording::kRate), 280);
    EXPECT_LE(audibleMs(recorded, MonitorRecording::kRate), 320);
    EXPECT_EQ(audibleSpanMs(recorded, MonitorRecording::kRate),
              audibleMs(recorded, MonitorRecording::kRate))
        << "the sound broke up";
    EXPECT_EQ(messages.shown, std::vector<std::string>{});
}

TEST_F(PulsePlayback, TheStartUpSoundComesOutWhole) {
    const auto recorded =
        recordPlayWave(soundFolder(ownFolder()) + "/" + std::string(kFiredUpWave));
    EXPECT_GE(audibleMs(recorded, MonitorRecording::kRate), 1300);
}

TEST_F(PulsePlayback, AFileThatIsNotAValidWavePlaysTheDefaultToneWithoutAMessage) {
    const auto recorded = recordPlayWave(dir.writeText("text.wav", "not a sound\n"));
    EXPECT_GE(audibleMs(recorded, MonitorRecording::kRate), 100);
    EXPECT_EQ(messages.shown, std::vector<std::string>{});
}

TEST_F(PulsePlayback, AMissingFilePlaysNothing) {
    const auto recorded = recordPlayWave(dir / "missing.wav");
    EXPECT_EQ(audibleMs(recorded, MonitorRecording::kRate), 0);
}

TEST_F(PulsePlayback, SdlAudioStartsOnlyWhereTheServerIsNotFirstOrWillNotConnect) {
    const std::pair<const char*, bool> rows[] = {
        {"pulseaudio", false}, {"", false}, {"dummy", true}, {"pulseaudio,dummy", true}};
    for (const auto& [drivers, sdlStarts] : rows) {
        if (drivers == rows[3].first) ::setenv("PULSE_SERVER", "unix:/no/such/socket", 1);
        ::setenv("SDL_AUDIODRIVER", drivers, 1);
        SdlWaveOutput fresh;
        EXPECT_NE(fresh.playSync(writeTone(dir, "tone.wav", 20)), 0) << drivers;
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO) != 0, sdlStarts) << drivers;
    }
}

}  // namespace
}  // namespace korvane::testing
