// Frames per second, worked out about once a second from the frames' times.
#pragma once

#include <cstdint>

class FrameCounter {
 public:
  // Counts one frame; the rate changes once a second's worth of frames is in.
  void Add(std::uint32_t deltaMs);
  float PerSecond() const { return perSecond_; }

 private:
  std::uint32_t frames_ = 0;
  std::uint32_t totalMs_ = 0;
  float perSecond_ = 0.0f;
};
