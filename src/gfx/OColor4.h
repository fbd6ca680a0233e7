// A colour with opacity, for things that fade or blend.
#pragma once

#include "gfx/OColor3.h"

class OColor4 : public OColor3 {
 public:
  OColor4() = default;
  OColor4(float red, float green, float blue, float alpha) : OColor3(red, green, blue), a(alpha) {}

  // Changes the hue only; a fade in progress keeps its opacity.
  void Set(float red, float green, float blue) override;
  // A negative alpha means "keep the current one", so callers can recolour and
  // optionally set opacity in one call.
  void Set(float red, float green, float blue, float alpha);
  void SetAlpha(float alpha);
  void Apply() const override;

  float a = 1.0f;
};
