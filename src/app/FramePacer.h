// No more frames than the display shows. Where the driver's swap waits for the
// display, the swap keeps the rhythm; where it returns at once (software
// OpenGL on X), the main loop rests until the next frame is due. Times are
// microseconds on one monotonic clock.
#pragma once

#include <cstdint>

class FramePacer {
 public:
  // The rate assumed for a display that does not say.
  static constexpr int kFallbackRefreshRate = 60;

  // `refreshRate` in frames a second, 0 when the display does not say.
  explicit FramePacer(int refreshRate = 0);

  // The window went onto another display: a new rate starts the watch over.
  void SetRefreshRate(int refreshRate);
  // Watches again whether the swap waits, and takes the next frame as the
  // first (a restored window may be shown in another way).
  void Restart();

  // How long to rest from `now` before the next frame is due; 0 when it is
  // due already, or when the swap keeps the rhythm.
  std::int64_t RestBefore(std::int64_t now) const;
  void FrameBegins(std::int64_t now);
  // After the swap: the frame's own time tells whether the swap waited.
  void FrameEnds(std::int64_t now);
  // Instead of FrameEnds for a frame that was drawn but not swapped: nothing
  // waited for the display, so the loop rests before the next one either way.
  void FrameNotShown() { notShown_ = true; }

  bool Resting() const { return resting_; }
  std::int64_t Period() const { return period_; }

 private:
  int refreshRate_ = 0;
  std::int64_t period_ = 0;
  bool resting_ = false;
  bool notShown_ = false;
  // Frames that ended well inside a period, less those that did not.
  int quickFrames_ = 0;
  std::int64_t frameStart_ = 0;
  std::int64_t nextDue_ = 0;
};
