#include "ui/OControl3D.h"

#include "gfx/OCamera.h"

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

bool OControl3D::Init() {
  ComputeBounds();
  return true;
}
