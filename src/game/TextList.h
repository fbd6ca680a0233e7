// One of the screen's lists of texts standing in the scene: the rising score
// pop-ups, or the long-lived messages such as "You win!!!".
#pragma once

#include <array>
#include <string>

#include "gfx/OColor4.h"

class TextList {
 public:
  virtual ~TextList() = default;
  virtual void Add(const std::string& text, const std::array<float, 3>& position, const OColor4& colour,
                   float size) = 0;
  virtual void Clear() = 0;
};
