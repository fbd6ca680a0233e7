// Effects as they come out of the mixer: played when asked, silent when
// switched off, at the loudness the volume gives, and never cut off by a
// request that does not ask for a restart.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "AudioOutput.h"
#include "audio/OSound.h"
#include "platform/Audio.h"

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsSince(Clock::time_point start) {
  return static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

class OSoundTest : public ::testing::Test {
 protected:
  // Writes a WAV and loads it as sound `id`.
  void LoadSound(OSound& sound, std::int32_t id, const std::vector<std::int16_t>& samples) {
    const std::string path = audio_.Path("sound" + std::to_string(id) + ".wav");
    WriteBytes(path, WavFile(samples));
    ASSERT_TRUE(sound.Load(id, path));
  }

  DiskAudio audio_;
};

TEST_F(OSoundTest, APlayedEffectIsHeardWhenItWasPlayed) {
  const Clock::time_point opened = Clock::now();
  OSound sound;
  ASSERT_TRUE(sound.Init(OSound::kChannels));
  LoadSound(sound, 3, SteadyTone(100, 16000));
  sound.SetVolume(65535);
  Wait(200);
  const int playedAt = MillisecondsSince(opened);
  sound.Play(3, true);
  Wait(300);
  const std::vector<std::int16_t> output = audio_.Finish();

  const int heardAt = FirstSoundAt(output, 1000);
  ASSERT_GE(heardAt, 0) << "nothing was heard";
  EXPECT_GE(heardAt, playedAt - 60);
  EXPECT_LE(heardAt, playedAt + 150);
  EXPECT_GT(PeakBetween(output, heardAt, heardAt + 100), 14000);
}

TEST_F(OSoundTest, NothingIsHeardWithEffectsOffOrForUnknownSounds) {
  OSound sound;
  ASSERT_TRUE(sound.Init(OSound::kChannels));
  LoadSound(sound, 3, SteadyTone(100, 16000));
  sound.effectsEnabled = false;
  sound.Play(3, true);
  sound.effectsEnabled = true;
  sound.Play(99, true);
  Wait(250);
  EXPECT_EQ(PeakBetween(audio_.Finish(), 0, 10000), 0);
}

TEST_F(OSoundTest, TheQuietestVolumeIsThirtyDecibelsDown) {
  OSound sound;
  ASSERT_TRUE(sound.Init(OSound::kChannels));
  LoadSound(sound, 1, SteadyTone(150, 20000));
  sound.SetVolume(65535);
  sound.Play(1, true);
  Wait(300);
  sound.SetVolume(0);
  sound.Play(1, true);
  Wait(300);
  const std::vector<std::int16_t> output = audio_.Finish();

  const int loudAt = FirstSoundAt(output, 1000);
  ASSERT_GE(loudAt, 0);
  const double loud = PeakBetween(output, loudAt, loudAt + 140);
  const double quiet = PeakBetween(output, loudAt + 250, 10000);
  ASSERT_GT(quiet, 0);
  EXPECT_NEAR(20 * std::log10(quiet / loud), -30.0, 1.0);
}

TEST_F(OSoundTest, AttenuationFollowsTheVolume) {
  EXPECT_EQ(OSound::AttenuationOf(65535), 0);
  EXPECT_EQ(OSound::AttenuationOf(32768), -1499);
  EXPECT_EQ(OSound::AttenuationOf(0), -3000);
  EXPECT_EQ(OSound::ChannelGainOf(0), 128);
  EXPECT_EQ(OSound::ChannelGainOf(-3000), 4);
}

TEST_F(OSoundTest, ARequestWithoutRestartDoesNotCutASoundOff) {
  audio_.Finish();
  for (const std::uint32_t mode : {OSound::kChannels, OSound::kSingleVoice}) {
    SCOPED_TRACE(mode == OSound::kChannels ? "channels" : "single voice");
    DiskAudio audio;
    OSound sound;
    ASSERT_TRUE(sound.Init(OSound::kChannels));
    sound.Init(mode);
    sound.SetVolume(65535);
    LoadSound(sound, 6, RisingTone(600, 30000));
    LoadSound(sound, 1, SteadyTone(50, 30000));
    sound.Play(6, false);
    Wait(250);
    sound.Play(6, false);
    if (mode == OSound::kSingleVoice) {
      sound.Play(1, false);  // the one voice is busy: this click is dropped
    }
    Wait(500);
    const std::vector<std::int16_t> output = audio.Finish();

    // The rising tone gets steadily louder; a restart would make it drop back.
    const int start = FirstSoundAt(output, 300);
    ASSERT_GE(start, 0);
    int previous = 0;
    for (int ms = start + 50; ms < start + 550; ms += 50) {
      const int peak = PeakBetween(output, ms, ms + 50);
      EXPECT_GE(peak + 500, previous) << "at " << ms - start << " ms";
      previous = peak;
    }
  }
}

TEST_F(OSoundTest, TheDeviceRefusesDamagedSoundFiles) {
  const std::vector<std::uint8_t> wav = WavFile(SteadyTone(10, 1000));
  EXPECT_NE(platform::MakeSoundChunk(wav), nullptr) << "a whole file";
  // A data chunk that claims gigabytes in a file of a few hundred bytes would
  // have the device allocate them.
  std::vector<std::uint8_t> boasting = wav;
  boasting[40] = 0x80;
  boasting[43] = 0xAC;
  EXPECT_EQ(platform::MakeSoundChunk(boasting), nullptr);
  // Bytes that are no sound file at all leave nothing behind (the sanitizer build checks).
  EXPECT_EQ(platform::MakeSoundChunk({0x01, 0x46, 0x02, 0xA7, 0x02, 0x08, 0x03, 0x69, 0x03}), nullptr);
}

// A folder opens like a file and claims an enormous size.
TEST_F(OSoundTest, AFolderInPlaceOfASoundFileIsRefused) {
  OSound sound;
  EXPECT_FALSE(sound.Load(1, std::filesystem::temp_directory_path().string()));
}

TEST(OSoundWithoutDevice, PlaysNothingAndSaysNothing) {
  platform::CloseAudio();
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  OSound sound;
  EXPECT_FALSE(sound.Init(OSound::kChannels));
  EXPECT_EQ(sound.Mode(), OSound::kSingleVoice);
  EXPECT_FALSE(sound.Load(1, "/no/such/file.wav"));
  sound.Play(1, true);
  sound.SetVolume(1234);
}

}  // namespace
