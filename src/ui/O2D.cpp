#include "ui/O2D.h"

#include <GL/gl.h>

#include "gfx/OCamera.h"
#include "ui/OCommandHandler.h"

void O2D::SetPosition(std::int16_t x, std::int16_t y) {
  x_ = x;
  y_ = y;
}

void O2D::SetSize(std::uint16_t width, std::uint16_t height) {
  width_ = width;
  height_ = height;
}

void O2D::DrawBackground() const {
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  backgroundColour_.Apply();
  glRects(x_, static_cast<GLshort>(y_ + height_), static_cast<GLshort>(x_ + width_), y_);
}

void O2D::DrawBorder() const {
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  borderColour_.Apply();
  glLineWidth(borderWidth_);
  glBegin(GL_LINE_LOOP);
  glVertex2i(x_, y_);
  glVertex2i(x_ + width_, y_);
  glVertex2i(x_ + width_, y_ + height_);
  glVertex2i(x_, y_ + height_);
  glEnd();
}

void O2D::DrawFrame() const {
  if (drawBackground_) {
    DrawBackground();
  }
  if (drawBorder_) {
    DrawBorder();
  }
}

bool O2D::ContainsPointer(const OEvent& event, const OCommandHandler* holder) const {
  const OCamera* camera = holder != nullptr ? holder->Camera() : nullptr;
  if (camera == nullptr || camera->viewportWidth <= 0.0f || camera->viewportHeight <= 0.0f) {
    return false;
  }
  const float layoutX = static_cast<float>(event.x) * kLayoutSize / camera->viewportWidth;
  const float layoutY =
      (camera->viewportHeight - static_cast<float>(event.y)) * kLayoutSize / camera->viewportHeight;
  return x_ <= layoutX && layoutX < x_ + width_ && y_ <= layoutY && layoutY < y_ + height_;
}

void O2D::BeginLayoutProjection() {
  // The 3D controls drawn after this one expect light and depth as they were.
  glPushAttrib(GL_ENABLE_BIT);
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0.0, kLayoutSize, 0.0, kLayoutSize, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
}

void O2D::EndLayoutProjection() {
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopAttrib();
  glColor3f(1.0f, 1.0f, 1.0f);
}
