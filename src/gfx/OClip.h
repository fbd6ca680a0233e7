// An animated sprite: frames laid out in a grid in one texture, played one
// after another on a quad that usually turns to face the camera. Sparks,
// arrows and other short effects are clips.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <memory>

#include "gfx/O3D.h"
#include "gfx/OColor4.h"
#include "gfx/OTexture.h"

class OClip : public O3D {
 public:
  OClip() = default;
  // The copy shows the same texture through a handle of its own.
  OClip(const OClip& other);
  OClip& operator=(const OClip&) = delete;
  ~OClip() override;

  // Moves one frame on each time the frame duration has passed; at the last
  // frame either starts again or finishes.
  void Update(std::uint32_t elapsed) override;
  void Draw() override;

  void SetTexture(const std::string& name);
  bool Finished() const { return accumulator < 0; }

  // Texture coordinates of a frame's bottom-left corner; each frame spans
  // 1 / columns by 1 / rows from there. Columns must be a power of two.
  std::array<float, 2> FrameCorner(std::int32_t frameNumber) const;

  std::unique_ptr<OTexture> texture;
  std::int32_t columns = 1;
  std::int32_t rows = 1;
  float alpha = 0.0f;           // 0 draws without blending
  float alphaReference = 0.0f;  // 0 draws without the alpha test
  float halfSize = 1.0f;
  std::int32_t lastFrame = 0;
  std::int32_t accumulator = 0;  // milliseconds into the current frame; -1 once finished
  std::int32_t frameDuration = 50;
  std::int32_t frame = 0;
  GLenum blendSource = GL_SRC_ALPHA;
  GLenum blendDestination = GL_ONE_MINUS_SRC_ALPHA;
  OColor4 colour{1.0f, 1.0f, 1.0f, 1.0f};
  bool facesCamera = true;
  bool loops = false;
};
