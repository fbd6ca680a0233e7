#include "gfx/OCursor.h"

#include <GL/gl.h>

void OCursor::Draw(int windowHeight) const {
  const float size = static_cast<float>(windowHeight) / 512.0f * 32.0f;
  texture_.Bind();
  glPushMatrix();
  glTranslatef(static_cast<float>(x_), static_cast<float>(windowHeight - y_) - size, 0.0f);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor3f(1.0f, 1.0f, 1.0f);
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex2f(0.0f, 0.0f);
  glTexCoord2f(1.0f, 0.0f);
  glVertex2f(size, 0.0f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex2f(size, size);
  glTexCoord2f(0.0f, 1.0f);
  glVertex2f(0.0f, size);
  glEnd();
  glDisable(GL_BLEND);
  glPopMatrix();
}
