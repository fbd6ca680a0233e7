// The thin outline round a group of settings or a question on the side
// screens, in their lilac, in the 512 x 512 layout.
#pragma once

struct LayoutFrame {
  float left;
  float bottom;
  float right;
  float top;

  // The projection must be the layout's; texturing is back on afterwards, for the text that follows.
  void Draw() const;
};
