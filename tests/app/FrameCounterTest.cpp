#include <gtest/gtest.h>

#include "app/FrameCounter.h"

TEST(FrameCounterTest, TheRateChangesOnceASecondIsCounted) {
  FrameCounter counter;
  for (int frame = 0; frame < 59; ++frame) {
    counter.Add(16);
  }
  EXPECT_EQ(counter.PerSecond(), 0.0f) << "944 ms are not a second yet";
  for (int frame = 0; frame < 4; ++frame) {
    counter.Add(16);
  }
  EXPECT_NEAR(counter.PerSecond(), 62.5f, 0.01f);
  // Frames within one millisecond count too, and a long frame counts alone.
  counter.Add(0);
  counter.Add(2000);
  EXPECT_NEAR(counter.PerSecond(), 1.0f, 0.01f);
}
