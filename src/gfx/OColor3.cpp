#include "gfx/OColor3.h"

#include <GL/gl.h>

void OColor3::Set(float red, float green, float blue) {
  r = red;
  g = green;
  b = blue;
}

void OColor3::Apply() const { glColor3f(r, g, b); }
