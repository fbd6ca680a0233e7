#include "gfx/OClip.h"

OClip::OClip(const OClip& other)
    : O3D(other),
      texture(other.texture ? std::make_unique<OTexture>(*other.texture) : nullptr),
      columns(other.columns),
      rows(other.rows),
      alpha(other.alpha),
      alphaReference(other.alphaReference),
      halfSize(other.halfSize),
      lastFrame(other.lastFrame),
      accumulator(other.accumulator),
      frameDuration(other.frameDuration),
      frame(other.frame),
      blendSource(other.blendSource),
      blendDestination(other.blendDestination),
      colour(other.colour),
      facesCamera(other.facesCamera),
      loops(other.loops) {}

OClip::~OClip() = default;

void OClip::SetTexture(const std::string& name) {
  texture = std::make_unique<OTexture>();
  texture->Set(name);
}

void OClip::Update(std::uint32_t elapsed) {
  if (Finished()) {
    return;
  }
  if (frame != lastFrame) {
    accumulator += static_cast<std::int32_t>(elapsed);
    if (accumulator > frameDuration) {
      accumulator = 0;
      ++frame;
    }
  } else if (loops) {
    frame = 0;
    accumulator = 0;
  } else {
    accumulator = -1;
  }
}

std::array<float, 2> OClip::FrameCorner(std::int32_t frameNumber) const {
  const std::int32_t column = frameNumber & (columns - 1);
  const std::int32_t row = frameNumber / columns;
  return {static_cast<float>(column) / static_cast<float>(columns),
          static_cast<float>(row) / static_cast<float>(rows)};
}

void OClip::Draw() {
  if (Finished()) {
    return;
  }
  if (texture && !texture->Empty()) {
    glEnable(GL_TEXTURE_2D);
    texture->Bind();
  }
  const bool blended = alpha != 0.0f;
  if (blended) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    colour.SetAlpha(alpha);
  }
  colour.Apply();
  const bool alphaTested = alphaReference != 0.0f;
  if (alphaTested) {
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, alphaReference);
  }

  const auto [s, t] = FrameCorner(frame);
  const float width = 1.0f / static_cast<float>(columns);
  const float height = 1.0f / static_cast<float>(rows);
  const float h = halfSize;
  glPushMatrix();
  glMultMatrixf(transform);
  glBegin(GL_TRIANGLE_STRIP);
  glTexCoord2f(s, t);
  glVertex3f(-h, -h, 0.0f);
  glTexCoord2f(s, t + height);
  glVertex3f(-h, h, 0.0f);
  glTexCoord2f(s + width, t);
  glVertex3f(h, -h, 0.0f);
  glTexCoord2f(s + width, t + height);
  glVertex3f(h, h, 0.0f);
  glEnd();
  glPopMatrix();

  if (blended) {
    glDisable(GL_BLEND);
  }
  if (alphaTested) {
    glDisable(GL_ALPHA_TEST);
  }
}
