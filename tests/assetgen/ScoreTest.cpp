// The score's cutting into patterns: repeats are stored once, and a song that
// ends inside a pattern breaks out there instead of playing silence.
#include <gtest/gtest.h>

#include <stdexcept>

#include "assetgen/Score.h"

namespace {

TEST(ScoreTest, RepeatsShareAPatternAndTheEndBreaksOut) {
  Score score(2);
  for (int part = 0; part < 2; ++part) {
    score.Line(part * 64, 0, 16, 1, "C4 E4 | G4 C5");
  }
  score.Line(128, 0, 4, 1, "A4 ^");  // a short tail: eight rows in all
  TrackerSong song;
  score.Fill(song, 136);

  EXPECT_EQ(song.orders, (std::vector<int>{0, 0, 1}));
  ASSERT_EQ(song.patterns.size(), 2u);
  const TrackerPattern& first = song.patterns[0];
  EXPECT_EQ(first.cells[16 * 2].note, 64);  // E4 on row 16, channel 0
  EXPECT_EQ(first.cells[48 * 2].note, 72);
  const TrackerPattern& tail = song.patterns[1];
  EXPECT_EQ(tail.cells[4 * 2].note, TrackerCell::kCut);
  // The break goes on row 7, in a channel with room for it.
  EXPECT_EQ(tail.cells[7 * 2 + 1].effect, TrackerEffect::kPatternBreak);
  EXPECT_EQ(tail.cells[7 * 2].effect, TrackerEffect::kNone);
}

TEST(ScoreTest, TwoEffectsInOneCellAreAMistake) {
  Score score(1);
  score.Effect(0, 0, TrackerEffect::kTempo, 120);
  EXPECT_THROW(score.Effect(0, 0, TrackerEffect::kVolumeSlide, -1), std::logic_error);
  EXPECT_THROW(score.Line(0, 0, 1, 1, "C4 X9"), std::invalid_argument);
}

}  // namespace
