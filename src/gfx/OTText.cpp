#include "gfx/OTText.h"

#include <GL/gl.h>

#include <utility>

#include "gfx/OFont.h"

OTText::OTText(OFont* font, const OColor4& textColour, std::string shownText, float cellHeight)
    : text(std::move(shownText)), colour(textColour), font_(font), scale_(cellHeight / OFont::kCellSize) {}

void OTText::Draw() {
  // The game runs on without a font when its texture could not be made.
  if (font_ == nullptr) {
    return;
  }
  glPushMatrix();
  glMultMatrixf(transform);
  glEnable(GL_TEXTURE_2D);
  // Text is read, not lit, and stays in front of the scene it labels.
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  font_->colour = colour;
  font_->DrawCounted(text.size(), text, false, shadow, scale_);
  glEnable(GL_LIGHTING);
  glEnable(GL_DEPTH_TEST);
  glPopMatrix();
}
