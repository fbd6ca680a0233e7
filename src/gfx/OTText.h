// Text placed in the scene: a string drawn with the shared font where the
// object stands, over everything drawn before it.
#pragma once

#include <string>

#include "gfx/O3D.h"
#include "gfx/OColor4.h"

class OFont;

class OTText : public O3D {
 public:
  // `cellHeight` is how tall a glyph cell stands, in the units of the scene.
  OTText(OFont* font, const OColor4& textColour, std::string shownText, float cellHeight);

  void Draw() override;

  std::string text;
  OColor4 colour;
  bool shadow = false;

 private:
  OFont* font_;  // not owned
  float scale_;
};
