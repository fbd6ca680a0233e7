// Effects as they come out of the mixer: played when asked, silent when
// switched off, at the loudness the volume gives, and never cut off by a
// request that does not ask for a restart; damaged files played as far as they
// go or refused, and no word from the sound libraries without a device; the game's
// sound numbers and the groups that play their sounds in turn.
#include <gtest/gtest.h>

#include <filesystem>

#include "AudioOutput.h"
#include "assetgen/AssetSink.h"
#include "assetgen/Sounds.h"
#include "audio/GameSounds.h"
#include "audio/OMusic.h"
#include "audio/OMusicList.h"
#include "audio/OSound.h"
#include "audio/SoundGroups.h"

namespace {

class OSoundTest : public ::testing::Test {
 protected:
  // Writes a WAV and loads it as sound `id`.
  void LoadSound(OSound& sound, std::int32_t id, const std::vector<std::uint8_t>& wav) {
    const std::string path = audio_.Path("sound" + std::to_string(id) + ".wav");
    WriteBytes(path, wav);
    ASSERT_TRUE(sound.Load(id, path));
  }

  DiskAudio audio_;
};

// Heard at full volume, then silent while switched off or asked for an
// unknown number, then 30 decibels down at the quietest volume.
TEST_F(OSoundTest, AnEffectIsHeardAtTheVolumeSetAndNotWhenSwitchedOffOrUnknown) {
  EXPECT_EQ(OSound::AttenuationOf(65535), 0);
  EXPECT_EQ(OSound::AttenuationOf(32768), -1499);
  EXPECT_EQ(OSound::ChannelGainOf(-3000), 4);
  OSound sound;
  ASSERT_TRUE(sound.Init(OSound::kChannels));
  LoadSound(sound, 1, ToneFile(150, 20000));
  sound.SetVolume(65535);
  sound.Play(1, true);
  Wait(300);
  sound.effectsEnabled = false;
  sound.Play(1, true);
  sound.effectsEnabled = true;
  sound.Play(99, true);
  Wait(300);
  sound.SetVolume(0);
  sound.Play(1, true);
  Wait(300);
  const Samples output = audio_.Finish();
  const int loudAt = FirstSoundAt(output, 1000);
  ASSERT_GE(loudAt, 0) << "nothing was heard";
  const double loud = PeakBetween(output, loudAt, loudAt + 140);
  EXPECT_GT(loud, 18000);
  EXPECT_EQ(PeakBetween(output, loudAt + 200, loudAt + 450), 0);
  const double quiet = PeakBetween(output, loudAt + 500, 10000);
  ASSERT_GT(quiet, 0);
  EXPECT_NEAR(20 * std::log10(quiet / loud), -30.0, 1.0);
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
    LoadSound(sound, 6, ToneFile(600, 30000, true));
    LoadSound(sound, 1, ToneFile(50, 30000));
    sound.Play(6, false);
    Wait(250);
    sound.Play(6, false);
    if (mode == OSound::kSingleVoice) {
      sound.Play(1, false);  // the one voice is busy: this click is dropped
    }
    Wait(500);
    const Samples output = audio.Finish();
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

// The fuzzer found a file that leaked and one that asked for gigabytes; a
// folder opens like a file and claims an enormous size. A file cut short in
// its sound data plays what it holds, padded to its claimed length when that
// is no longer than the file.
TEST_F(OSoundTest, DamagedSoundFilesPlayWhatTheyHoldOrAreRefused) {
  const std::vector<std::uint8_t> wav = ToneFile(10, 1000);  // 441 frames, 2 bytes each from byte 44
  // A copy with a length (at 16 or 40) or the rate (at 24) changed.
  const auto with = [](std::vector<std::uint8_t> file, std::size_t at, std::uint32_t value) {
    PutLittle32(file, at, value);
    return file;
  };
  const struct {
    const char* name;
    std::vector<std::uint8_t> file;
    int frames;  // -1: refused
  } cases[] = {
      {"a whole file", wav, 441},
      {"cut to the length its data claims: padded to it", {wav.begin(), wav.begin() + 882}, 441},
      {"cut in half: what it holds", {wav.begin(), wav.begin() + 444}, 200},
      {"a data chunk claiming gigabytes: what it holds", with(wav, 40, 0xAC000080), 441},
      {"a format chunk claiming gigabytes", with(wav, 16, 0xAC000080), -1},
      {"a rate below 1000 Hz", with(wav, 24, 999), -1},
      {"12 minutes at 1000 Hz: too long for the mixer", with(ToneFile(17000, 1000), 24, 1000), -1},
      // Leaves nothing behind (the sanitizer build checks).
      {"no sound file at all", {0x01, 0x46, 0x02, 0xA7, 0x02, 0x08, 0x03, 0x69, 0x03}, -1},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    const platform::SoundChunkPtr chunk = platform::MakeSoundChunk(row.file);
    EXPECT_EQ(chunk ? platform::SoundChunkFrames(*chunk) : -1, row.frames);
  }
  OSound sound;
  ASSERT_TRUE(sound.Init(OSound::kChannels));
  sound.SetVolume(65535);
  // 882 frames of 8-bit silence, 128 each, cut 44 frames short.
  std::vector<std::uint8_t> eightBit = ToneFile(10, 0);
  PutLittle32(eightBit, 28, kRate);
  eightBit[32] = 1;
  eightBit[34] = 8;
  std::fill(eightBit.begin() + 44, eightBit.end(), 128);
  eightBit.resize(882);
  LoadSound(sound, 1, eightBit);
  sound.Play(1, true);
  EXPECT_FALSE(sound.Load(2, std::filesystem::temp_directory_path().string()));
  EXPECT_FALSE(sound.IsLoaded(2));
  Wait(150);
  EXPECT_EQ(PeakBetween(audio_.Finish(), 0, 1000), 0) << "8-bit silence is padded with 8-bit silence";
  sound.Release();
  EXPECT_FALSE(sound.IsLoaded(1)) << "released sounds are forgotten";
}

TEST(WithoutADevice, EffectsAndMusicStaySilentAndTheSoundLibrariesSayNothing) {
  platform::CloseAudio();
  // Without a sound card alsa-lib has a score of lines to say about it.
  setenv("SDL_AUDIODRIVER", "alsa", 1);
  testing::internal::CaptureStderr();
  if (platform::OpenAudio()) {
    platform::CloseAudio();
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  OSound sound;
  EXPECT_FALSE(sound.Init(OSound::kChannels));
  EXPECT_EQ(sound.Mode(), OSound::kSingleVoice);
  EXPECT_FALSE(sound.Load(1, "/no/such/file.wav"));
  sound.Play(1, true);
  sound.SetVolume(1234);
  OMusic music;
  EXPECT_FALSE(music.Init());
  OMusicList list;
  list.modules = {{1, 2, 3}};
  music.currentList = &list;
  music.Start();
  EXPECT_FALSE(music.playing);
}

TEST(GameSounds, EveryNumberHasItsGeneratedFileAndAMissingOneIsReported) {
  TempFolder folder;
  AssetSink sink(folder.Path());
  WriteSounds(sink);
  OSound sound;
  EXPECT_TRUE(GameSounds::LoadAll(sound, folder / "Sounds/"));
  std::filesystem::remove(folder / "Sounds/win.wav");
  EXPECT_FALSE(GameSounds::LoadAll(sound, folder / "Sounds/"));
  EXPECT_FALSE(sound.IsLoaded(GameSounds::kWin));
  EXPECT_TRUE(sound.IsLoaded(GameSounds::kAlarm) && sound.IsLoaded(GameSounds::kFallDown + 2));
}

TEST(SoundGroups, AGroupPlaysItsSoundsInTurnAndAnUnknownOneNothing) {
  SoundGroups groups;
  groups.Add(12, {29, 30, 31});
  groups.Add(0, {23});
  groups.Add(7, {});
  std::vector<std::optional<std::int32_t>> played;
  for (const std::uint32_t group : {12, 0, 12, 12, 12, 0, 7, 5}) {
    played.push_back(groups.Next(group));
  }
  EXPECT_EQ(played,
            (std::vector<std::optional<std::int32_t>>{29, 23, 30, 31, 29, 23, std::nullopt, std::nullopt}));
}

}  // namespace
