// The game's picture drawn offscreen at its own size and shown scaled in a
// larger window, with black bars round it. Everything the game draws while the
// picture is bound lands in it; Present puts it on the window's back buffer.
#pragma once

#include <memory>

#include "app/PictureFit.h"

class ScaledPicture {
 public:
  // Null when the OpenGL in use cannot draw offscreen. `colourBits` of 16 keep
  // the picture in 5-6-5 colour, as a 16-bit window would.
  static std::unique_ptr<ScaledPicture> Make(int width, int height, int colourBits, int depthBits);
  ~ScaledPicture();
  ScaledPicture(const ScaledPicture&) = delete;
  ScaledPicture& operator=(const ScaledPicture&) = delete;

  // Scales the picture into a window of that size, bars black, then binds the
  // picture again for the next frame.
  void Present(int windowWidth, int windowHeight);

 private:
  ScaledPicture(int width, int height) : width_(width), height_(height) {}
  void Bind() const;

  int width_;
  int height_;
  unsigned framebuffer_ = 0;
  unsigned colour_ = 0;
  unsigned depth_ = 0;
};
