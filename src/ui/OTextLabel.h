// A text in a box that takes no input (the rows of the top-ten tables). Only
// the characters that fit in the box's width are drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/O2D.h"

class OFont;

class OTextLabel : public O2D {
 public:
  // The font must outlive the label.
  OTextLabel(const OFont* font, const std::string& text);

  void SetText(const std::string& text);
  void SetNumber(std::uint32_t number);
  // Resizes the box and so how much of the text shows.
  void SetWidth(std::uint16_t width, std::uint16_t height);
  void SetShadow(bool shadow) { shadow_ = shadow; }
  void SetScale(float scale) { scale_ = scale; }

  const std::string& Text() const { return text_; }
  std::size_t VisibleCount() const { return visibleCount_; }

  // In the caller's projection, which is the layout's on every screen.
  void Draw() const;

 private:
  void CountVisible();

  std::string text_;
  std::size_t visibleCount_ = 0;
  const OFont* font_;  // not owned
  bool shadow_ = false;
  float scale_ = 1.0f;
};
