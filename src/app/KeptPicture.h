// A copy of what a screen drew, shown instead of drawing it again while it
// does not change. A screen draws in layers (its background, then each
// control); the copy holds the picture after the first few of them, those that
// drew the same as in the frame before, so a screen where one control moves
// draws only that control and what follows it. A screen that moves every frame
// from its first layer pays nothing.
#pragma once

#include <GL/gl.h>

#include <cstddef>
#include <cstdint>
#include <vector>

class KeptPicture {
 public:
  KeptPicture() = default;
  ~KeptPicture() { Drop(); }
  KeptPicture(const KeptPicture&) = delete;
  KeptPicture& operator=(const KeptPicture&) = delete;

  // keys[k] names the picture after layers 0 to k, for as many layers as can
  // say. Draws the copy over the viewport (0, 0, width, height) when it holds
  // one of those pictures, and returns how many layers it stands for: the
  // screen draws from there on. 0 when it drew nothing.
  std::size_t Show(const std::vector<std::uint64_t>& keys, int width, int height) const;
  // After how many layers this frame's picture is worth copying: the layers
  // that drew the same as in the frame before, when they are more than the
  // `shown` ones the copy stood for; 0 for no copy. Remembers the keys.
  std::size_t CopyAfter(const std::vector<std::uint64_t>& keys, std::size_t shown);
  // Copies what is drawn so far as the picture after `layers` layers.
  void Copy(const std::vector<std::uint64_t>& keys, std::size_t layers, int width, int height);
  // Lets go of the copy and its texture, while the context is still there.
  void Drop();

 private:
  GLuint texture_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::size_t layers_ = 0;
  std::uint64_t key_ = 0;
  std::vector<std::uint64_t> lastKeys_;
};
