// The main loop's look at a picture that stopped changing: a loop at 60 frames
// a second on a clock the test moves, with pictures that change as a screen's
// would; and the frames read back from a real context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>

#include "app/ShownFrame.h"
#include "app/StillPicture.h"
#include "support/GLTestContext.h"

namespace {

constexpr std::int64_t kMs = 1000;
constexpr std::int64_t kFrame = 16'667;

struct LoopRun {
  int framesDrawn = 0;
  int framesShown = 0;
  std::int64_t stillFrom = -1;  // first time the picture counted as still, -1 for never
  std::int64_t longestRest = 0;
};

// Four seconds of the loop. `pictureAt` says which picture a frame drawn at a
// time shows; `messageAt` is when a message comes, -1 for never.
LoopRun RunFor4Seconds(const std::function<int(std::int64_t)>& pictureAt, std::int64_t messageAt = -1) {
  StillPicture still;
  LoopRun run;
  int onScreen = -1;
  bool kept = false;  // whether the picture compared against is the one on the screen
  int keptPicture = -1;
  bool messageComing = messageAt >= 0;
  for (std::int64_t now = 0; now < 4000 * kMs;) {
    if (messageComing && now >= messageAt) {
      still.Stirred(now);
      messageComing = false;
    }
    if (const std::int64_t rest = still.RestBefore(now); rest > 0) {
      run.longestRest = std::max(run.longestRest, rest);
      // A message ends the rest.
      now = messageComing ? std::min(now + rest, messageAt) : now + rest;
      continue;
    }
    const int picture = pictureAt(now);
    ++run.framesDrawn;
    bool show = true;
    if (still.Compares(now)) {
      const bool same = kept && keptPicture == picture;
      still.Compared(now, same);
      kept = true;
      keptPicture = picture;
      show = !same;
    } else {
      kept = false;
    }
    if (show) {
      onScreen = picture;
      ++run.framesShown;
    }
    EXPECT_EQ(onScreen, picture) << "at " << now / kMs << " ms the screen shows an old picture";
    if (still.Still() && run.stillFrom < 0) {
      run.stillFrom = now;
    }
    // A look while still draws for a millisecond.
    now += still.Still() ? kMs : kFrame;
  }
  return run;
}

TEST(StillPicture, AnUnchangingPictureIsLookedAtTenTimesASecondAndAChangeIsShownAtOnce) {
  const LoopRun unchanging = RunFor4Seconds([](std::int64_t) { return 0; });
  // Compared from 0.5 s, still 2 s of identical frames later.
  EXPECT_GE(unchanging.stillFrom, 2500 * kMs);
  EXPECT_LT(unchanging.stillFrom, 2550 * kMs);
  EXPECT_EQ(unchanging.longestRest, StillPicture::kLookPeriod - kMs);
  EXPECT_LT(unchanging.framesDrawn, 153 + 15 + 2) << "60 a second until still, then 10";
  EXPECT_EQ(unchanging.framesShown, 31) << "the 30 frames before comparing, and the first compared";

  // A picture that changes once it was still is shown at the next look, and every frame is drawn again.
  const LoopRun moves = RunFor4Seconds([](std::int64_t now) { return now < 3000 * kMs ? 0 : now / kFrame; });
  EXPECT_GT(moves.framesDrawn, unchanging.framesDrawn + 40) << "its last second at 60 frames, not 10";

  // Blinking every half second, a picture is never still.
  const LoopRun blinking = RunFor4Seconds([](std::int64_t now) { return static_cast<int>(now / (500 * kMs)) % 2; });
  EXPECT_EQ(blinking.stillFrom, -1);
  EXPECT_EQ(blinking.framesDrawn, 4000 * kMs / kFrame + 1);

  // A message puts off comparing, and ends a stillness.
  const LoopRun stirred = RunFor4Seconds([](std::int64_t) { return 0; }, 1000 * kMs);
  EXPECT_GE(stirred.stillFrom, 3500 * kMs);
  const LoopRun stirredWhileStill = RunFor4Seconds([](std::int64_t) { return 0; }, 3000 * kMs);
  EXPECT_GT(stirredWhileStill.framesShown, unchanging.framesShown + 25);
}

class ShownFrameTest : public GLTest {
 protected:
  static void Fill(float red, int x = -1) {
    glClearColor(red, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    if (x >= 0) {
      // One pixel of another colour.
      glEnable(GL_SCISSOR_TEST);
      glScissor(x, 63, 1, 1);
      glClearColor(red, 0.0f, 1.0f / 255.0f, 1.0f);
      glClear(GL_COLOR_BUFFER_BIT);
      glDisable(GL_SCISSOR_TEST);
    }
  }
  ShownFrame shown_;
};

TEST_F(ShownFrameTest, OnlyTheSameFrameOfTheSameSizeRightAfterIsTheSame) {
  Fill(1.0f);
  EXPECT_FALSE(shown_.SameAsDrawn(64, 64)) << "nothing was shown before";
  Fill(1.0f);
  EXPECT_TRUE(shown_.SameAsDrawn(64, 64));
  Fill(1.0f, 63);
  EXPECT_FALSE(shown_.SameAsDrawn(64, 64)) << "the top right pixel differs";
  EXPECT_TRUE(shown_.SameAsDrawn(64, 64)) << "the frame read is kept";
  Fill(1.0f);
  EXPECT_FALSE(shown_.SameAsDrawn(64, 32)) << "another size";
  EXPECT_FALSE(shown_.SameAsDrawn(32, 64)) << "another shape, as many pixels all alike";
  shown_.Forget();
  EXPECT_FALSE(shown_.SameAsDrawn(32, 64)) << "another frame was shown unread";
  EXPECT_FALSE(shown_.SameAsDrawn(0, 0));
  EXPECT_FALSE(shown_.SameAsDrawn(0, 0));
}

}  // namespace
