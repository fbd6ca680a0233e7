// Music as it leaves the mixer: a module plays, pauses and resumes where it
// was, a list comes back to its saved place, and the end of a module is
// noticed so the next one can start.
#include <gtest/gtest.h>

#include <cmath>

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
  void SetUp() override {
    ASSERT_TRUE(music_.Init());
    list_.modules = {LevelsModule(4, 16)};
    other_.modules = {LevelsModule(1, 16)};
    music_.currentList = &list_;
  }

  // The level heard between two moments, in milliseconds since the device opened.
  static int Level(const std::vector<std::int16_t>& output, int fromMs, int toMs) {
    return PeakBetween(output, fromMs, toMs);
  }

  DiskAudio audio_;
  OMusic music_;
  OMusicList list_;
  OMusicList other_;
};

TEST_F(OMusicTest, PausedMusicIsSilentAndResumesWhereItStopped) {
  music_.Start();
  Wait(1300);  // into order 1
  music_.Pause();
  Wait(400);
  music_.Resume();
  Wait(300);
  music_.Stop();
  const std::vector<std::int16_t> output = audio_.Finish();

  const int start = FirstSoundAt(output, 200);
  ASSERT_GE(start, 0) << "the module was not heard";
  const int first = Level(output, start + 100, start + 800);
  const int beforePause = Level(output, start + 1050, start + 1250);
  const int resumed = Level(output, start + 1750, start + 1950);
  EXPECT_GT(beforePause, first * 3 / 2) << "order 1 is louder than order 0";
  EXPECT_LT(Level(output, start + 1400, start + 1650), first / 10) << "paused music is silent";
  EXPECT_NEAR(resumed, beforePause, beforePause / 8) << "resumed in order 1, not from the start";
}

TEST_F(OMusicTest, AListComesBackToItsSavedPlace) {
  music_.Start();
  Wait(2100);  // into order 2
  music_.SavePosition();
  EXPECT_EQ(list_.savedPosition >> 16, 2u);
  music_.Stop();
  music_.currentList = &other_;
  music_.Start();
  Wait(400);
  music_.SavePosition();
  music_.Stop();
  music_.currentList = &list_;
  music_.Start();
  Wait(400);
  music_.Stop();
  const std::vector<std::int16_t> output = audio_.Finish();

  const int start = FirstSoundAt(output, 200);
  ASSERT_GE(start, 0);
  const int order0 = Level(output, start + 100, start + 800);
  const int order2 = Level(output, start + 1950, start + 2080);
  const int back = Level(output, start + 2650, start + 2850);
  EXPECT_NEAR(back, order2, order2 / 8) << "the list went on in order 2";
  EXPECT_GT(back, order0 * 2);
}

TEST_F(OMusicTest, TheEndOfAModuleIsNoticedAndNextStartsAnother) {
  OMusicList shortList;
  shortList.modules = {LevelsModule(1, 4), LevelsModule(2, 4)};
  music_.currentList = &shortList;
  music_.Start();
  EXPECT_FALSE(OMusic::ModuleEnded());
  Wait(600);
  EXPECT_TRUE(OMusic::ModuleEnded()) << "a 240 ms module has ended";
  music_.Next();
  EXPECT_FALSE(OMusic::ModuleEnded());
  EXPECT_EQ(shortList.index, 1);
  Wait(300);
  music_.Stop();
  const std::vector<std::int16_t> output = audio_.Finish();
  EXPECT_GT(Level(output, 0, 100000), 0);
}

TEST(OMusicWithoutDevice, StaysSilent) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  OMusic music;
  EXPECT_FALSE(music.Init());
  OMusicList list;
  list.modules = {{1, 2, 3}};
  music.currentList = &list;
  music.Start();
  EXPECT_FALSE(music.playing);
}

}  // namespace
