// The game's own mouse pointer: a picture whose top-left corner is the mouse
// point, drawn over everything at the end of a frame. It keeps the last mouse
// position in window pixels, origin top left, as the mouse messages give it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "gfx/OTexture.h"

class OCursor {
 public:
  explicit OCursor(std::string textureName = "Cursor.Tga") : name_(std::move(textureName)) {}

  // A missing picture throws OFileNotFound.
  void Load() { texture_.Set(name_); }
  void MoveTo(std::int32_t x, std::int32_t y) {
    x_ = x;
    y_ = y;
  }
  std::int32_t X() const { return x_; }
  std::int32_t Y() const { return y_; }

  // In a pixel space of the window's size with the origin at the bottom left.
  // The pointer grows with the window: a sixteenth of its height.
  void Draw(int windowHeight) const;

 private:
  std::string name_;
  OTexture texture_;
  std::int32_t x_ = 0;
  std::int32_t y_ = 0;
};
