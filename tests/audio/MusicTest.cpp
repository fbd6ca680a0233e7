// Music as it leaves the mixer: a module plays at the device's own rate,
// pauses and resumes where it was, also after a stop, a list comes back to its
// saved place, and the end of a module is noticed so the next one can start;
// playlists start over at their end with a shuffle that never plays the
// module that just ended twice in a row.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "AudioOutput.h"
#include "assetgen/ModFile.h"
#include "audio/OMusic.h"
#include "audio/OMusicList.h"

namespace {

// A module whose every order holds one note at its own loudness:
// order k at (k + 1) sixteenths of full volume, so the level heard tells
// which order is playing. Each order lasts `rowsPerOrder` rows of 60 ms.
std::vector<std::uint8_t> LevelsModule(int orders, int rowsPerOrder) {
  TrackerSong song;
  TrackerSample tone;
  tone.rate = kModSampleRate;
  tone.rootNote = 60;
  const int length = static_cast<int>(kModSampleRate / 220.0) * 20;
  for (int i = 0; i < length; ++i) {
    tone.data.push_back(static_cast<float>(0.8 * std::sin(i * 2 * M_PI * 220.0 / kModSampleRate)));
  }
  tone.loopStart = 0;
  tone.loopEnd = tone.data.size();
  song.samples.push_back(tone);
  for (int order = 0; order < orders; ++order) {
    TrackerPattern pattern;
    pattern.rows = rowsPerOrder;
    pattern.cells.resize(static_cast<std::size_t>(rowsPerOrder) * song.channels);
    // The note starts again on every row, so a module picked up halfway sounds at once.
    for (int row = 0; row < rowsPerOrder; ++row) {
      pattern.cells[static_cast<std::size_t>(row) * song.channels] =
          TrackerCell{60, 1, 16 * (order + 1), TrackerEffect::kNone, 0};
    }
    // A module keeps its speed in its notes: 3 ticks of 20 ms make a 60 ms row.
    pattern.cells[1] = TrackerCell{TrackerCell::kNoNote, 0, -1, TrackerEffect::kSpeed, 3};
    // Short patterns end early with a break to the next order.
    pattern.cells[static_cast<std::size_t>(rowsPerOrder - 1) * song.channels + 1] =
        TrackerCell{TrackerCell::kNoNote, 0, -1, TrackerEffect::kPatternBreak, 0};
    song.patterns.push_back(pattern);
    song.orders.push_back(order);
  }
  return EncodeMod(song);
}

class OMusicTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(music_.Init()); }

  DiskAudio audio_;
  OMusic music_;
};

// Orders last 960 ms: 0 until 960, 1 until 1920, 2 until 2880.
TEST_F(OMusicTest, PausedMusicIsSilentAndAListComesBackToWhereItWasAfterAnother) {
  OMusicList list;
  OMusicList other;
  list.modules = {LevelsModule(4, 16)};
  other.modules = {LevelsModule(1, 4), LevelsModule(2, 4)};
  music_.currentList = &list;
  music_.Start();
  Wait(1300);  // into order 1
  music_.Pause();
  Wait(400);
  music_.Resume();
  Wait(800);  // into order 2
  music_.SavePosition();
  EXPECT_EQ(list.savedPosition >> 16, 2u);
  music_.Stop();
  SCOPED_TRACE("the end of a 240 ms module is noticed, so that the next one can start");
  music_.currentList = &other;
  music_.Start();
  EXPECT_FALSE(OMusic::ModuleEnded());
  Wait(400);
  EXPECT_TRUE(OMusic::ModuleEnded());
  music_.Next();
  EXPECT_FALSE(OMusic::ModuleEnded());
  EXPECT_EQ(other.index, 1);
  music_.Stop();
  music_.currentList = &list;
  music_.Start();
  Wait(400);
  music_.Stop();
  Wait(300);
  music_.Resume();  // as a restored window does after the music stopped at the end of a game
  Wait(300);
  music_.Stop();
  const Samples output = audio_.Finish();

  const int start = FirstSoundAt(output, 200);
  ASSERT_GE(start, 0) << "the module was not heard";
  const int order0 = PeakBetween(output, start + 100, start + 800);
  const int order1 = PeakBetween(output, start + 1050, start + 1250);
  const int order2 = PeakBetween(output, start + 2350, start + 2480);
  EXPECT_GT(order1, order0 * 3 / 2) << "order 1 is louder than order 0";
  EXPECT_LT(PeakBetween(output, start + 1400, start + 1650), order0 / 10) << "paused music is silent";
  EXPECT_NEAR(PeakBetween(output, start + 1750, start + 1950), order1, order1 / 8) << "resumed in order 1";
  EXPECT_NEAR(PeakBetween(output, start + 3050, start + 3250), order2, order2 / 8) << "back in order 2";
  EXPECT_LT(PeakBetween(output, start + 3350, start + 3550), order0 / 10) << "stopped music is silent";
  EXPECT_NEAR(PeakBetween(output, start + 3650, start + 3850), order2, order2 / 8)
      << "a stopped module resumes";
  EXPECT_GT(order2, order1);
}

// A device that keeps its own rate, not the one asked for, still hears a
// module at its own length.
TEST(MusicAtTheDevicesRate, A960MillisecondModuleLasts960MillisecondsAt48Kilohertz) {
  constexpr int kDeviceRate = 48000;
  DiskAudio audio(kDeviceRate);
  OMusic music;
  ASSERT_TRUE(music.Init());
  OMusicList list;
  list.modules = {LevelsModule(1, 16)};
  music.currentList = &list;
  music.Start();
  Wait(1300);
  const Samples output = audio.Finish();
  const auto loud = [](int sample) { return std::abs(sample) > 200; };
  const auto first = std::find_if(output.begin(), output.end(), loud);
  const auto last = std::find_if(output.rbegin(), output.rend(), loud);
  ASSERT_NE(first, output.end()) << "the module was not heard";
  EXPECT_NEAR(static_cast<double>(output.rend() - last - (first - output.begin())), kDeviceRate * 0.96,
              kDeviceRate * 0.005);
}

OMusicList ListOf(int count) {
  OMusicList list;
  for (int i = 0; i < count; ++i) {
    list.modules.push_back({static_cast<std::uint8_t>(i)});
  }
  return list;
}

TEST(OMusicList, NextWalksTheListThenStartsOverFromTheBeginning) {
  OMusicList list = ListOf(2);
  list.savedPosition = 0x30010;
  EXPECT_EQ(list.Next(), &list.modules[1]);
  EXPECT_EQ(list.savedPosition, 0u);
  list.Next();
  EXPECT_EQ(list.index, 0);
  EXPECT_EQ((*list.Current())[0], 0) << "two modules are never shuffled";
  EXPECT_EQ(OMusicList().Next(), nullptr);
}

TEST(OMusicList, TheModuleThatJustEndedNeverComesFirst) {
  std::mt19937 generator(7);
  for (const int count : {3, 4, 7}) {
    SCOPED_TRACE(count);
    OMusicList list = ListOf(count);
    list.SetRandom([&generator] { return static_cast<int>(generator() >> 1); });
    int firsts[8] = {};
    for (int round = 0; round < 500; ++round) {
      list.index = static_cast<std::uint16_t>(count - 1);
      const std::uint8_t ended = (*list.Current())[0];
      list.Next();
      ASSERT_NE((*list.Current())[0], ended);
      ++firsts[(*list.Current())[0]];
    }
    for (int i = 0; i < count; ++i) {
      EXPECT_GT(firsts[i], 0) << "module " << i << " never came first";
    }
  }
}

}  // namespace
