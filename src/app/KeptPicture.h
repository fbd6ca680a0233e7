// A copy of the picture a screen drew, shown instead of drawing the screen
// again while nothing in it changes. The copy is made once the same key has
// come two frames in a row, so a screen that moves every frame pays nothing.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <optional>

class KeptPicture {
 public:
  KeptPicture() = default;
  ~KeptPicture() { Drop(); }
  KeptPicture(const KeptPicture&) = delete;
  KeptPicture& operator=(const KeptPicture&) = delete;

  // Draws the copy over the viewport, when it was kept under this key and at
  // this size; false when the screen must be drawn.
  bool Show(std::uint64_t key, int width, int height) const;
  // The screen was drawn under this key into the viewport (0, 0, width,
  // height): copies it when the frame before had the same key.
  void Drawn(std::uint64_t key, int width, int height);
  // Lets go of the copy and its texture, while the context is still there.
  void Drop();

 private:
  bool Holds(std::uint64_t key, int width, int height) const;
  void Copy(int width, int height);

  GLuint texture_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::optional<std::uint64_t> keptKey_;
  std::optional<std::uint64_t> lastKey_;
};
