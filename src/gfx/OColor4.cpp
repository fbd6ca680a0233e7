#include "gfx/OColor4.h"

#include <GL/gl.h>

void OColor4::Set(float red, float green, float blue) { OColor3::Set(red, green, blue); }

void OColor4::Set(float red, float green, float blue, float alpha) {
  OColor3::Set(red, green, blue);
  if (alpha >= 0.0f) {
    a = alpha;
  }
}

void OColor4::SetAlpha(float alpha) { a = alpha; }

void OColor4::Apply() const { glColor4f(r, g, b, a); }
