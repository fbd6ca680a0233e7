#include "gfx/Ortho2D.h"

#include <GL/gl.h>

void SetOrtho2D(std::uint16_t width, std::uint16_t height) {
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
