#include "ui/OTextLabel.h"

#include <GL/gl.h>

#include "gfx/OFont.h"

OTextLabel::OTextLabel(const OFont* font, const std::string& text) : font_(font) { SetText(text); }

void OTextLabel::SetText(const std::string& text) {
  text_ = text;
  CountVisible();
}

void OTextLabel::SetNumber(std::uint32_t number) { SetText(std::to_string(number)); }

void OTextLabel::SetWidth(std::uint16_t width, std::uint16_t height) {
  SetSize(width, height);
  CountVisible();
}

void OTextLabel::CountVisible() { visibleCount_ = font_ != nullptr ? font_->CharIndexAt(text_, Width()) : 0; }

void OTextLabel::Draw() const {
  DrawFrame();
  if (font_ == nullptr) {
    return;
  }
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(X(), Y(), 0.0f);
  glEnable(GL_TEXTURE_2D);
  font_->DrawCounted(visibleCount_, text_, false, shadow_, scale_);
  glPopMatrix();
}
