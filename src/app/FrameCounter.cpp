#include "app/FrameCounter.h"

void FrameCounter::Add(std::uint32_t deltaMs) {
  ++frames_;
  totalMs_ += deltaMs;
  if (totalMs_ < 1000) {
    return;
  }
  perSecond_ = 1000.0f / (static_cast<float>(totalMs_) / static_cast<float>(frames_));
  frames_ = 0;
  totalMs_ = 0;
}
