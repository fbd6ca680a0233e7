// Frame pacing: whether the swap waits for the display, and when the next frame is due.
#include "app/FramePacer.h"

#include <algorithm>

namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1'000'000;
// A swap that waits for the display makes every frame last about a period, so
// frames well inside one are frames the display never waited for. Rounding of
// the display's rate leaves the period a little off the real one: a tenth is room enough.
constexpr std::int64_t kQuickTenths = 9;
// A driver queueing a few swaps lets two or three frames through quickly
// after a slow one; this many more quick frames than slow ones it never does.
constexpr int kQuickFramesToRest = 8;

}  // namespace

FramePacer::FramePacer(int refreshRate) { SetRefreshRate(refreshRate); }

void FramePacer::SetRefreshRate(int refreshRate) {
  if (period_ != 0 && refreshRate == refreshRate_) {
    return;
  }
  refreshRate_ = refreshRate;
  const std::int64_t rate = refreshRate > 0 ? refreshRate : kFallbackRefreshRate;
  // Rounded up: the frames never come faster than the display shows them.
  period_ = (kMicrosecondsPerSecond + rate - 1) / rate;
  Restart();
}

void FramePacer::Restart() {
  resting_ = false;
  quickFrames_ = 0;
}

std::int64_t FramePacer::RestBefore(std::int64_t now) const {
  return (resting_ || notShown_) && nextDue_ > now ? nextDue_ - now : 0;
}

void FramePacer::FrameBegins(std::int64_t now) {
  // The next frame is due a whole period after this one was due, so that a
  // frame a little late does not move the rhythm: the next one catches up.
  // A frame later than a period (a stall, a screen that draws slowly) starts
  // the rhythm again from now, rather than hurrying frames out to catch up.
  // Where the swap keeps the rhythm, it always counts from now.
  if (!resting_ || now - nextDue_ > period_) {
    nextDue_ = now;
  }
  nextDue_ += period_;
  frameStart_ = now;
  notShown_ = false;
}

void FramePacer::FrameEnds(std::int64_t now) {
  if (resting_) {
    return;
  }
  const bool quick = (now - frameStart_) * 10 < period_ * kQuickTenths;
  quickFrames_ = quick ? quickFrames_ + 1 : std::max(quickFrames_ - 1, 0);
  resting_ = quickFrames_ >= kQuickFramesToRest;
}
