// Frame pacing against made-up displays: the game's loop as it runs, on a
// clock the test moves, with swaps that wait for the display or do not.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/FramePacer.h"

namespace {

constexpr std::int64_t kMs = 1000;
// A rest ends a little after its time, as the system's timer has it.
constexpr std::int64_t kOversleep = 80;

struct Display {
  int saysHz;              // what the display reports, 0 for nothing
  std::int64_t vblank;     // its real period when the swap waits for it, 0 when the swap returns at once
  int swapWaitsFromMs;     // before this the swap does not wait, as for a window not yet shown
  std::size_t queued = 0;  // frames the driver lets wait to be shown while the game draws on
};

struct Frames {
  std::vector<int> workMs;  // each frame's drawing, in turn
  int stallAt = -1;         // this frame takes `stallMs` instead
  int stallMs = 0;
};

// When the swap of a frame drawn by `now` returns; `shown` holds when each
// frame so far reaches the display.
std::int64_t SwapReturns(const Display& display, std::int64_t now, std::vector<std::int64_t>& shown) {
  if (display.vblank == 0 || now < display.swapWaitsFromMs * kMs) {
    return now;
  }
  const std::int64_t nextVblank = (now + display.vblank - 1) / display.vblank * display.vblank;
  shown.push_back(shown.empty() ? nextVblank : std::max(nextVblank, shown.back() + display.vblank));
  return std::max(now, shown[shown.size() - 1 - std::min(display.queued, shown.size() - 1)]);
}

struct Paced {
  int framesInSecondSecond = 0;
  std::int64_t longestRest = 0;
};

// The game's loop for two seconds.
Paced RunFor2Seconds(FramePacer& pacer, const Display& display, const Frames& frames) {
  Paced run;
  std::vector<std::int64_t> shown;
  std::int64_t now = 0;
  for (int frame = 0; now < 2000 * kMs;) {
    pacer.SetRefreshRate(display.saysHz);
    if (const std::int64_t rest = pacer.RestBefore(now); rest > 0) {
      run.longestRest = std::max(run.longestRest, rest);
      now += rest + kOversleep;
      continue;
    }
    pacer.FrameBegins(now);
    run.framesInSecondSecond += now >= 1000 * kMs ? 1 : 0;
    now += kMs * (frame == frames.stallAt ? frames.stallMs : frames.workMs[frame % frames.workMs.size()]);
    now = SwapReturns(display, now, shown);
    pacer.FrameEnds(now);
    ++frame;
  }
  return run;
}

TEST(FramePacer, NeverMoreFramesThanTheDisplayShowsAndNeverFewerThanItCould) {
  struct Case {
    const char* what;
    Display display;
    Frames frames;
    int expectedFrames;
    bool rests;
  };
  const Case cases[] = {
      {"swaps at once at 60 Hz: the loop rests out each frame", {60, 0, 0}, {{10}}, 60, true},
      {"a display that does not say counts as 60 Hz", {0, 0, 0}, {{10}}, 60, true},
      {"144 Hz", {144, 0, 0}, {{3}}, 144, true},
      {"59 Hz is not rounded up to 60", {59, 0, 0}, {{5}}, 59, true},
      {"a frame slower than the display is not held back", {60, 0, 0}, {{20}}, 50, false},
      {"a late frame does not move the rhythm: the next catches up", {60, 0, 0}, {{25, 8, 8, 8}}, 60, true},
      {"after a stall the rhythm starts again, without a burst", {60, 0, 0}, {{10}, 65, 200}, 49, true},
      {"a swap that waits keeps the rhythm itself", {60, 16667, 0}, {{10}}, 60, false},
      {"a waiting swap on a display faster than it says", {59, 16683, 0}, {{10}}, 60, false},
      {"swaps that wait from 0.5 s while the loop rests: never half the rate",
       {60, 16667, 500},
       {{12}},
       60,
       true},
      {"the same on a display faster than it says", {59, 16667, 500}, {{12}}, 59, true},
      {"a driver that lets a frame through early still waits for the display",
       {60, 16667, 0, 1},
       {{10, 10, 10, 10, 10, 10, 10, 40}},
       53,
       false},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    FramePacer pacer;
    const Paced run = RunFor2Seconds(pacer, test.display, test.frames);
    EXPECT_EQ(run.framesInSecondSecond, test.expectedFrames);
    EXPECT_EQ(pacer.Resting(), test.rests);
    EXPECT_LE(run.longestRest, pacer.Period()) << "never a rest longer than a frame";
  }
}

// A window seen again may be shown otherwise: the pacer watches the swap anew
// and draws the first frame at once.
TEST(FramePacer, ARestartDrawsAtOnceAndWatchesTheSwapAgain) {
  FramePacer pacer(60);
  EXPECT_EQ(RunFor2Seconds(pacer, {60, 0, 0}, {{5}}).framesInSecondSecond, 60);
  ASSERT_TRUE(pacer.Resting());
  pacer.FrameBegins(3000 * kMs);
  pacer.FrameEnds(3001 * kMs);
  EXPECT_GT(pacer.RestBefore(3001 * kMs), 15 * kMs);
  pacer.Restart();
  EXPECT_EQ(pacer.RestBefore(3001 * kMs), 0);
  EXPECT_FALSE(pacer.Resting());
  EXPECT_GE(FramePacer(144).Period() * 144, 1'000'000) << "no faster than the display, rounding and all";
}

// Where the swap keeps the rhythm, a frame drawn but not swapped waited for
// nothing: the loop rests out its period all the same, and only for that frame.
TEST(FramePacer, AFrameNotShownIsRestedOutEvenWhereTheSwapKeepsTheRhythm) {
  FramePacer pacer(60);
  EXPECT_EQ(RunFor2Seconds(pacer, {60, 16'667, 0}, {{5}}).framesInSecondSecond, 60);
  ASSERT_FALSE(pacer.Resting());
  pacer.FrameBegins(3000 * kMs);
  pacer.FrameNotShown();
  EXPECT_EQ(pacer.RestBefore(3005 * kMs), pacer.Period() - 5 * kMs);
  pacer.FrameBegins(3017 * kMs);
  pacer.FrameEnds(3033 * kMs);
  EXPECT_EQ(pacer.RestBefore(3033 * kMs), 0);
}

}  // namespace
