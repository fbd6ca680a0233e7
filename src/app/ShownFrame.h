// The frame on the screen, kept as pixels, so that the next frame drawn can be
// told apart from it before it is shown.
#pragma once

#include <cstdint>
#include <vector>

class ShownFrame {
 public:
  // Reads the frame just drawn (`width` x `height` from the bottom left of
  // the framebuffer drawn into) and says whether it equals the one kept; the
  // frame read is kept from now on.
  bool SameAsDrawn(int width, int height);
  // A frame was shown without being read: the one kept is no longer on the
  // screen, and no frame compares equal to it.
  void Forget() { known_ = false; }

 private:
  std::vector<std::uint32_t> kept_;
  std::vector<std::uint32_t> drawn_;
  int width_ = 0;
  int height_ = 0;
  bool known_ = false;
};
