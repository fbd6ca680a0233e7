#include "gfx/OCamera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

// Turns the vertical field of view in degrees into the half-angle in radians.
constexpr float kHalfDegreeInRadians = 0.00872664625997f;

using Vec3 = std::array<float, 3>;

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vec3 Normalised(const Vec3& v) {
  const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  return length > 0.0f ? Vec3{v[0] / length, v[1] / length, v[2] / length} : v;
}

}  // namespace

OCamera::OCamera(float width, float height, float fieldOfView, float nearDistance, float farDistance)
    : nearPlane(nearDistance),
      farPlane(farDistance),
      fov(fieldOfView),
      viewportWidth(width),
      viewportHeight(height),
      viewMatrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
      modelView{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

void OCamera::SetViewport(float width, float height) {
  viewportWidth = width;
  viewportHeight = height;
  glViewport(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(fov, width / height, nearPlane, farPlane);

  // The camera's transform is rigid, so its inverse is the transposed rotation
  // and the position carried back through it.
  const float* t = transform;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      viewMatrix[column * 4 + row] = t[row * 4 + column];
    }
    viewMatrix[row * 4 + 3] = 0.0f;
    viewMatrix[12 + row] = -(t[row * 4] * t[12] + t[row * 4 + 1] * t[13] + t[row * 4 + 2] * t[14]);
  }
  viewMatrix[15] = 1.0f;

  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(viewMatrix);
  glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
  glEnable(GL_LIGHTING);
  glEnable(GL_DEPTH_TEST);
}

void OCamera::LookAt(float x, float y, float z) {
  const Vec3 away{transform[12] - x, transform[13] - y, transform[14] - z};
  if (away == Vec3{0.0f, 0.0f, 0.0f}) {
    return;
  }
  const Vec3 back = Normalised(away);
  // World up with its part along the view removed.
  Vec3 up = Normalised({-back[0] * back[2], -back[1] * back[2], 1.0f - back[2] * back[2]});
  Vec3 right;
  if (up == Vec3{0.0f, 0.0f, 0.0f}) {
    // Looking straight up or down: screen up is world +Y, whichever way we face.
    right = {1.0f, 0.0f, 0.0f};
    up = {0.0f, 1.0f, 0.0f};
  } else {
    right = Cross(up, back);
  }
  for (int i = 0; i < 3; ++i) {
    transform[i] = right[i];
    transform[4 + i] = up[i];
    transform[8 + i] = back[i];
  }
}

std::array<float, 3> OCamera::PixelDirection(float x, float yUp) const {
  const float d = (viewportHeight / 2.0f) / std::tan(fov * kHalfDegreeInRadians);
  const float across = (x - viewportWidth / 2.0f) / d;
  const float up = (yUp - viewportHeight / 2.0f) / d;
  const float* t = transform;
  return {across * t[0] + up * t[4] - t[8], across * t[1] + up * t[5] - t[9],
          across * t[2] + up * t[6] - t[10]};
}

std::array<float, 2> OCamera::PixelOf(const std::array<float, 3>& world) const {
  const float* t = transform;
  const float v[3] = {world[0] - t[12], world[1] - t[13], world[2] - t[14]};
  const float ahead = -(v[0] * t[8] + v[1] * t[9] + v[2] * t[10]);
  const float across = v[0] * t[0] + v[1] * t[1] + v[2] * t[2];
  const float up = v[0] * t[4] + v[1] * t[5] + v[2] * t[6];
  const float d = (viewportHeight / 2.0f) / std::tan(fov * kHalfDegreeInRadians);
  if (ahead <= 0.0f) {
    return {viewportWidth / 2.0f, viewportHeight / 2.0f};
  }
  return {viewportWidth / 2.0f + across / ahead * d, viewportHeight / 2.0f + up / ahead * d};
}

std::array<float, 3> OCamera::ScreenRay(float x, float y) const {
  return Normalised(PixelDirection(x, viewportHeight - y));
}
