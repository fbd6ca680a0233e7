// A picture that stopped changing need not be drawn sixty times a second.
// Once the player has done nothing for a moment, each frame is compared with
// the one on the screen; an identical frame is not shown again, and after a
// while of identical frames the loop only looks now and then whether the
// picture changed by itself. Any message from the window system (input, the
// window exposed or resized) brings every frame back at once. Times are
// microseconds on one monotonic clock.
#pragma once

#include <cstdint>

class StillPicture {
 public:
  // Frames are compared once no message came for this long.
  static constexpr std::int64_t kQuietBeforeComparing = 500'000;
  // Identical frames for this long make the picture still. Longer than half
  // of any blink a screen shows, so that a blinking thing never looks still.
  static constexpr std::int64_t kSameForStill = 2'000'000;
  // While still, a frame is drawn this often to see whether anything moved.
  static constexpr std::int64_t kLookPeriod = 100'000;

  // A message came: the picture may change any moment.
  void Stirred(std::int64_t now);
  // Whether the frame drawn at `now` should be compared with the one shown.
  bool Compares(std::int64_t now) const;
  // The frame drawn at `now` was compared: `same` when nothing differed.
  void Compared(std::int64_t now, bool same);

  bool Still() const { return still_; }
  // While still, how long from `now` until the next look; otherwise 0.
  std::int64_t RestBefore(std::int64_t now) const;

 private:
  std::int64_t lastMessage_ = 0;
  bool sameRun_ = false;
  std::int64_t sameSince_ = 0;
  bool still_ = false;
  std::int64_t nextLook_ = 0;
};
