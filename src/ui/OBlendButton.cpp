#include "ui/OBlendButton.h"

#include <GL/gl.h>

OBlendButton::OBlendButton(std::uint32_t controlId, bool canTakeFocus) : OButton(controlId, canTakeFocus) {}

namespace {

// How much of its light a greyed button gives.
constexpr GLfloat kGreyedLight = 0.3f;

}  // namespace

void OBlendButton::Draw() {
  // Any alpha but 0 draws the model unlit and blended.
  SetAlpha(1.0f);
  SetBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_ALPHA);
  OModel::Draw();
  if (disabled && greyWhenDisabled) {
    glBlendColor(kGreyedLight, kGreyedLight, kGreyedLight, 1.0f);
    SetBlendFunc(GL_CONSTANT_COLOR, GL_ONE);
  } else {
    SetBlendFunc(GL_ONE, GL_ONE);
  }
  OModel::Draw();
}
