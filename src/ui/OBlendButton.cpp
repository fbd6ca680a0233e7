#include "ui/OBlendButton.h"

#include <GL/gl.h>

#include <span>

#include "gfx/PictureKey.h"

OBlendButton::OBlendButton(std::uint32_t controlId, bool canTakeFocus) : OButton(controlId, canTakeFocus) {}

namespace {

// How much of its light a greyed button gives.
constexpr GLfloat kGreyedLight = 0.3f;

}  // namespace

bool OBlendButton::AddToPictureKey(PictureKey& key) const {
  OModel::AddToPictureKey(key);
  key.Add(disabled);
  key.Add(greyWhenDisabled);
  key.Add(std::span<const float>(centre));
  key.Add(std::span<const float>(halfExtents));
  return true;
}

void OBlendButton::Draw() {
  std::size_t shown = ObjectCount();
  while (shown > 0 && !IsVisible(shown - 1)) {
    --shown;
  }
  if (shown == 0) {
    return;
  }
  const std::size_t last = shown - 1;
  const bool greyed = disabled && greyWhenDisabled;
  if (greyed) {
    glBlendColor(kGreyedLight, kGreyedLight, kGreyedLight, 1.0f);
  }
  const GLenum light = greyed ? GL_CONSTANT_COLOR : GL_ONE;
  // Any alpha but 0 draws the model unlit and blended. Every face darkens what
  // lies behind it and adds its light. The last face shown does both in one
  // pass; the faces before it darken before that pass and add after it, so
  // coplanar faces do not darken each other's light.
  SetAlpha(1.0f);
  SetBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_ALPHA);
  DrawObjects(0, last);
  SetBlendFunc(light, GL_ONE_MINUS_SRC_ALPHA);
  DrawObjects(last, shown);
  SetBlendFunc(light, GL_ONE);
  DrawObjects(0, last);
}
