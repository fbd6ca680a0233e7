#include "gfx/MarkerFrame.h"

#include <GL/gl.h>

#include <utility>

void DrawMarkerFrame(const MarkerCorners& corners, float width) {
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  // The dark line is wider, so that it borders the light one on both sides.
  for (const auto& [lineWidth, grey] : {std::pair{width * 2.4f, 0.0f}, std::pair{width, 1.0f}}) {
    glLineWidth(lineWidth);
    glColor3f(grey, grey, grey);
    glBegin(GL_LINE_LOOP);
    for (const auto& corner : corners) {
      glVertex3f(corner[0], corner[1], corner[2]);
    }
    glEnd();
  }
  glLineWidth(1.0f);
  glColor3f(1.0f, 1.0f, 1.0f);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_LIGHTING);
}
