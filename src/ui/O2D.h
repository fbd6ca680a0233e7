// The flat box that text controls and labels share: a place and size in the
// screens' 512 x 512 layout (origin bottom left), a background and a border.
#pragma once

#include <cstdint>

#include "gfx/OColor4.h"
#include "ui/OEvent.h"

class OCommandHandler;

class O2D {
 public:
  // The layout every screen draws its 2D parts in, whatever the window's size.
  static constexpr float kLayoutSize = 512.0f;

  void SetPosition(std::int16_t x, std::int16_t y);
  void SetSize(std::uint16_t width, std::uint16_t height);
  void SetBorderColour(const OColor4& colour) { borderColour_ = colour; }
  void SetBackgroundColour(const OColor4& colour) { backgroundColour_ = colour; }
  void SetBorderWidth(float width) { borderWidth_ = width; }
  void SetDrawBackground(bool draw) { drawBackground_ = draw; }
  void SetDrawBorder(bool draw) { drawBorder_ = draw; }

  std::int16_t X() const { return x_; }
  std::int16_t Y() const { return y_; }
  std::uint16_t Width() const { return width_; }
  std::uint16_t Height() const { return height_; }

  void DrawBackground() const;
  void DrawBorder() const;
  // Both, as the flags ask.
  void DrawFrame() const;
  // Whether the pointer lies in the box; the right and top edges are outside.
  // The window's pixel size is the holder's camera viewport, so without a camera nothing is hit.
  bool ContainsPointer(const OEvent& event, const OCommandHandler* holder) const;

 protected:
  // Lighting and depth test off, the layout as an orthographic projection,
  // identity model-view. EndLayoutProjection gives back the matrices and the
  // enabled states as they were, with the colour white.
  static void BeginLayoutProjection();
  static void EndLayoutProjection();

 private:
  bool drawBackground_ = false;
  bool drawBorder_ = false;
  OColor4 borderColour_{0.0f, 0.0f, 0.0f, 1.0f};
  OColor4 backgroundColour_{0.5f, 0.5f, 0.5f, 1.0f};
  float borderWidth_ = 1.0f;
  std::int16_t x_ = 0;
  std::int16_t y_ = 0;
  std::uint16_t width_ = 150;
  std::uint16_t height_ = 25;
};
