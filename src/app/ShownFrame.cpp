#include "app/ShownFrame.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <utility>

bool ShownFrame::SameAsDrawn(int width, int height) {
  if (width <= 0 || height <= 0) {
    known_ = false;
    return false;
  }
  drawn_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  // The order a software framebuffer on X keeps its pixels in, so reading is a copy.
  glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, drawn_.data());
  const bool same = known_ && width == width_ && height == height_ && drawn_ == kept_;
  std::swap(kept_, drawn_);
  width_ = width;
  height_ = height;
  known_ = true;
  return same;
}
