#include "ui/OControl3D.h"

#include <GL/gl.h>

#include <cmath>

#include "gfx/MarkerFrame.h"
#include "gfx/OCamera.h"

namespace {

constexpr float kLayout = 512.0f;

}  // namespace

bool OControl3D::HitTest(const OEvent& event) {
  const OCamera* camera = owner != nullptr ? owner->Camera() : nullptr;
  if (camera == nullptr) {
    return false;
  }
  const std::array<float, 3> ray =
      camera->ScreenRay(static_cast<float>(event.x), static_cast<float>(event.y));
  const std::array<float, 3> eye{camera->transform[12], camera->transform[13], camera->transform[14]};
  const std::array<float, 3> end{eye[0] + ray[0] * camera->farPlane, eye[1] + ray[1] * camera->farPlane,
                                 eye[2] + ray[2] * camera->farPlane};
  return IntersectsLine(eye, end);
}

std::array<float, 2> OControl3D::FocusPlace() const {
  const OCamera* camera = owner != nullptr ? owner->Camera() : nullptr;
  if (camera == nullptr || camera->viewportWidth <= 0.0f || camera->viewportHeight <= 0.0f) {
    return {0.0f, 0.0f};
  }
  const std::array<float, 2> pixel = camera->PixelOf({transform[12], transform[13], transform[14]});
  return {pixel[0] * kLayout / camera->viewportWidth, pixel[1] * kLayout / camera->viewportHeight};
}

void OControl3D::DrawFocus() {
  // Round the front of the box.
  const float left = centre[0] - halfExtents[0];
  const float right = centre[0] + halfExtents[0];
  const float bottom = centre[1] - halfExtents[1];
  const float top = centre[1] + halfExtents[1];
  const float front = centre[2] + halfExtents[2];
  glPushMatrix();
  glMultMatrixf(transform);
  DrawMarkerFrame({{{left, bottom, front}, {right, bottom, front}, {right, top, front}, {left, top, front}}}, 2.0f);
  glPopMatrix();
}

bool OControl3D::Init() {
  ComputeBounds();
  // The model is drawn at its own scale, so the box the pointer is tested
  // against must be too: a button shrunk to half its size would otherwise take
  // clicks meant for its neighbours.
  const std::array<float, 3>& scale = Scale();
  for (int axis = 0; axis < 3; ++axis) {
    halfExtents[axis] *= std::fabs(scale[axis]);
    centre[axis] *= scale[axis];
  }
  return true;
}
