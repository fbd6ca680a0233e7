// An OpenGL compatibility context with no display: EGL on Mesa's surfaceless
// platform, drawing into a pbuffer that is read back. Tests draw with it, and
// the asset generator renders its contact sheet with it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class HeadlessGLContext {
 public:
  // Makes the context current at once; check Ok() before drawing.
  HeadlessGLContext(int width, int height);
  ~HeadlessGLContext();
  HeadlessGLContext(const HeadlessGLContext&) = delete;
  HeadlessGLContext& operator=(const HeadlessGLContext&) = delete;

  // False when no context could be made; the reason is in Error().
  bool Ok() const { return ok_; }
  const char* Error() const { return error_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The RGBA pixel at (x, y), counted from the bottom left as OpenGL does.
  std::array<std::uint8_t, 4> PixelAt(int x, int y) const;
  // Every pixel as RGBA, rows from the bottom as OpenGL keeps them.
  std::vector<std::uint8_t> ReadPixels() const;

 private:
  struct Egl;
  std::unique_ptr<Egl> egl_;
  bool ok_ = false;
  const char* error_ = "";
  int width_;
  int height_;
};

}  // namespace platform
