#include "screens/LayoutFrame.h"

#include <GL/gl.h>

void LayoutFrame::Draw() const {
  glDisable(GL_TEXTURE_2D);
  glColor3f(166.0f / 255.0f, 144.0f / 255.0f, 196.0f / 255.0f);
  glLineWidth(1.0f);
  glBegin(GL_LINE_LOOP);
  glVertex2f(left, bottom);
  glVertex2f(right, bottom);
  glVertex2f(right, top);
  glVertex2f(left, top);
  glEnd();
  glColor3f(1.0f, 1.0f, 1.0f);
  glEnable(GL_TEXTURE_2D);
}
