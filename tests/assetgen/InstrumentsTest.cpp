// Held instruments loop while a note lasts; a loop whose end doesn't meet its
// start clicks many times a second, so the seam must be as smooth as the tone.
#include <gtest/gtest.h>

#include <cmath>

#include "assetgen/Instruments.h"
#include "assetgen/ModFile.h"

namespace {

TEST(InstrumentsTest, LoopsJoinWithoutASeamAndFitTheModuleFormat) {
  ToneShape bright;
  bright.harmonics = {1.0, 0.5, 0.33, 0.25, 0.2};
  bright.detune = {-1, 1};
  bright.vibratoCents = 15.0;
  const struct {
    const char* what;
    double rate;
    int root;
    ToneShape shape;
  } cases[] = {
      {"sine at the module rate", kModSampleRate, 69, ToneShape{}},
      {"bright chorus with vibrato, module rate", kModSampleRate, 84, bright},
      {"low bright tone at 22050 Hz", 22050.0, 40, bright},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TrackerSample sample = HeldTone("tone", c.rate, c.root, c.shape);
    ASSERT_GT(sample.loopEnd, sample.loopStart);
    ASSERT_EQ(sample.loopEnd, sample.data.size());
    EXPECT_EQ(sample.loopStart % 2, 0u);
    EXPECT_EQ(sample.loopEnd % 2, 0u);
    float largestStep = 0.0f;
    for (std::size_t i = sample.loopStart + 1; i < sample.loopEnd; ++i) {
      largestStep = std::max(largestStep, std::abs(sample.data[i] - sample.data[i - 1]));
    }
    const float seam = std::abs(sample.data[sample.loopStart] - sample.data[sample.loopEnd - 1]);
    EXPECT_LE(seam, largestStep * 1.05f);
    // Peaks stay clear of the format's limits.
    for (float value : sample.data) {
      ASSERT_LE(std::abs(value), 1.0f);
    }
  }
}

TEST(InstrumentsTest, PlucksAndDrumsDieAway) {
  const TrackerSample samples[] = {
      Pluck("pluck", 22050.0, 60, 1.5, 0.5, 0.8, 1),
      Kick("kick", 22050.0, 60, 1.0),
      Snare("snare", 22050.0, 60, 2),
      HiHat("hat", 22050.0, 60, 0.1, 3),
  };
  for (const TrackerSample& sample : samples) {
    SCOPED_TRACE(sample.name);
    EXPECT_EQ(sample.loopEnd, sample.loopStart) << "one-shot";
    const std::size_t tenth = sample.data.size() / 10;
    float head = 0.0f;
    float tail = 0.0f;
    for (std::size_t i = 0; i < tenth; ++i) {
      head = std::max(head, std::abs(sample.data[i]));
      tail = std::max(tail, std::abs(sample.data[sample.data.size() - 1 - i]));
    }
    EXPECT_GT(head, 0.5f);
    EXPECT_LT(tail, head * 0.1f);
  }
}

}  // namespace
