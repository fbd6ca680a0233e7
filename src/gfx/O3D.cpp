#include "gfx/O3D.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "gfx/OCamera.h"

namespace {

using Vec3 = std::array<float, 3>;

Vec3 Column(const float* m, int index) { return {m[index * 4], m[index * 4 + 1], m[index * 4 + 2]}; }

void SetColumn(float* m, int index, const Vec3& v) {
  m[index * 4] = v[0];
  m[index * 4 + 1] = v[1];
  m[index * 4 + 2] = v[2];
}

Vec3 Add(const Vec3& a, const Vec3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Vec3 Sub(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec3 Scale(const Vec3& v, float s) { return {v[0] * s, v[1] * s, v[2] * s}; }
float Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
float Length(const Vec3& v) { return std::sqrt(Dot(v, v)); }

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Leaves a zero vector as it is; callers check for it where it matters.
Vec3 Normalised(const Vec3& v) {
  const float length = Length(v);
  return length > 0.0f ? Scale(v, 1.0f / length) : v;
}

// column-major a x b
std::array<float, 16> Multiply(const float* a, const float* b) {
  std::array<float, 16> result{};
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) {
        sum += a[k * 4 + row] * b[column * 4 + k];
      }
      result[column * 4 + row] = sum;
    }
  }
  return result;
}

// Brings a world point into the frame of an affine matrix. The axes may be scaled or
// sheared (models carry their unit scale in them), so this is a real inverse rather
// than a transpose. False when the axes are degenerate.
bool ToLocal(const std::array<float, 16>& m, const Vec3& point, Vec3& local) {
  const Vec3 x = Column(m.data(), 0);
  const Vec3 y = Column(m.data(), 1);
  const Vec3 z = Column(m.data(), 2);
  const float determinant = Dot(x, Cross(y, z));
  if (determinant == 0.0f) {
    return false;
  }
  // The rows of the inverse of [x y z] are the cross products of pairs of columns.
  const Vec3 p = Sub(point, Column(m.data(), 3));
  local = Scale({Dot(Cross(y, z), p), Dot(Cross(z, x), p), Dot(Cross(x, y), p)}, 1.0f / determinant);
  return true;
}

// Turns axis `first` toward axis `second` by the angle, in their plane:
// first' = cos first + sin second, second' = -sin first + cos second.
void TurnAxesInTheirPlane(float* transform, int first, int second, float angle) {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  const Vec3 a = Column(transform, first);
  const Vec3 b = Column(transform, second);
  SetColumn(transform, first, Add(Scale(a, c), Scale(b, s)));
  SetColumn(transform, second, Add(Scale(a, -s), Scale(b, c)));
}

}  // namespace

O3D::O3D() : transform{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

void O3D::Update(std::uint32_t /*elapsed*/) {}

void O3D::Draw() {
  const GLboolean lit = glIsEnabled(GL_LIGHTING);
  glDisable(GL_LIGHTING);
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  glColor3f(1.0f, 0.0f, 0.0f);
  glPushMatrix();
  glMultMatrixf(transform);
  const float* lo = boxMin;
  const float* hi = boxMax;
  glBegin(GL_LINES);
  // Four edges along each axis.
  for (int axis = 0; axis < 3; ++axis) {
    const int u = (axis + 1) % 3;
    const int v = (axis + 2) % 3;
    for (int corner = 0; corner < 4; ++corner) {
      float a[3];
      float b[3];
      a[u] = b[u] = (corner & 1) ? hi[u] : lo[u];
      a[v] = b[v] = (corner & 2) ? hi[v] : lo[v];
      a[axis] = lo[axis];
      b[axis] = hi[axis];
      glVertex3fv(a);
      glVertex3fv(b);
    }
  }
  glEnd();
  glPopMatrix();
  if (lit) {
    glEnable(GL_LIGHTING);
  }
}

void O3D::SetParent(O3D* newParent) { parent = newParent; }

void O3D::RotateLocalX(float angle) { TurnAxesInTheirPlane(transform, 1, 2, angle); }

void O3D::RotateLocalZ(float angle) { TurnAxesInTheirPlane(transform, 0, 1, angle); }

void O3D::RotateWorldZ(float angle) {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  for (int column = 0; column < 4; ++column) {
    float* v = transform + column * 4;
    const float x = v[0];
    const float y = v[1];
    v[0] = c * x - s * y;
    v[1] = s * x + c * y;
  }
}

void O3D::TurnToward(float tx, float ty, float tz, float fx, float fy, float fz) {
  const Vec3 position = Column(transform, 3);
  const Vec3 target{tx, ty, tz};
  const Vec3 f{fx, fy, fz};
  if (target == position || (fx == 0.0f && fy == 0.0f && fz == 0.0f)) {
    return;
  }
  const Vec3 d = Sub(target, position);
  // When f is already along d, or exactly opposite, there is no plane to turn in:
  // k stays zero, and the turn by pi then just reverses every axis.
  const Vec3 k = Normalised(Cross(f, d));
  const float c = Dot(d, f) / std::sqrt(Dot(d, d) * Dot(f, f));
  const float theta = c >= 1.0f ? 0.0f : (c <= -1.0f ? std::numbers::pi_v<float> : std::acos(c));
  const float cosTheta = std::cos(theta);
  const float sinTheta = std::sin(theta);
  for (int axis = 0; axis < 3; ++axis) {
    const Vec3 v = Column(transform, axis);
    const Vec3 turned =
        Add(Add(Scale(v, cosTheta), Scale(k, Dot(k, v) * (1.0f - cosTheta))), Scale(Cross(k, v), sinTheta));
    SetColumn(transform, axis, turned);
  }
}

std::array<float, 16> O3D::GetWorldMatrix() const {
  std::array<float, 16> world;
  std::copy(transform, transform + 16, world.begin());
  for (const O3D* ancestor = parent; ancestor != nullptr; ancestor = ancestor->parent) {
    world = Multiply(ancestor->transform, world.data());
  }
  return world;
}

std::array<float, 3> O3D::GetWorldPosition() const {
  Vec3 position = Column(transform, 3);
  for (const O3D* ancestor = parent; ancestor != nullptr; ancestor = ancestor->parent) {
    const float* m = ancestor->transform;
    position = Add(Add(Add(Scale(Column(m, 0), position[0]), Scale(Column(m, 1), position[1])),
                       Scale(Column(m, 2), position[2])),
                   Column(m, 3));
  }
  return position;
}

bool O3D::IntersectsLine(const std::array<float, 3>& start, const std::array<float, 3>& end) const {
  const std::array<float, 16> world = GetWorldMatrix();
  Vec3 localStart;
  Vec3 localEnd;
  if (!ToLocal(world, start, localStart) || !ToLocal(world, end, localEnd)) {
    return false;
  }
  const Vec3 boxCentre{centre[0], centre[1], centre[2]};
  const Vec3 s = Sub(localStart, boxCentre);
  const Vec3 d = Sub(localEnd, localStart);
  const Vec3 absD{std::fabs(d[0]), std::fabs(d[1]), std::fabs(d[2])};
  const Vec3 c = Cross(s, d);
  // Only the three axes d x X, d x Y and d x Z can separate a line from a box; the
  // line has no ends, so the box's own faces never do.
  const float* h = halfExtents;
  return std::fabs(c[0]) <= h[1] * absD[2] + h[2] * absD[1] &&
         std::fabs(c[1]) <= h[0] * absD[2] + h[2] * absD[0] &&
         std::fabs(c[2]) <= h[0] * absD[1] + h[1] * absD[0];
}

void O3D::FaceCamera(const O3D& camera) {
  const Vec3 position = Column(transform, 3);
  const Vec3 toCamera = Sub(Column(camera.transform, 3), position);
  if (Length(toCamera) == 0.0f) {
    return;  // no direction to face
  }
  const float lengths[3] = {Length(Column(transform, 0)), Length(Column(transform, 1)),
                            Length(Column(transform, 2))};
  const Vec3 z = Normalised(toCamera);
  const Vec3 cameraUp = Column(camera.transform, 1);
  Vec3 y = Sub(cameraUp, Scale(z, Dot(cameraUp, z)));
  Vec3 x;
  if (Length(y) == 0.0f) {
    x = {1.0f, 0.0f, 0.0f};
    y = {0.0f, 1.0f, 0.0f};
  } else {
    y = Normalised(y);
    x = Cross(y, z);
  }
  SetColumn(transform, 0, Scale(x, lengths[0]));
  SetColumn(transform, 1, Scale(y, lengths[1]));
  SetColumn(transform, 2, Scale(z, lengths[2]));
}

void O3D::PlaceAtScreenPoint(float x, float y, float z, const OCamera& camera) {
  const Vec3 eye = Column(camera.transform, 3);
  const Vec3 direction = camera.PixelDirection(x, y);
  if (direction[2] == 0.0f) {
    return;  // the ray runs parallel to the plane and never meets it
  }
  const float t = (z - eye[2]) / direction[2];
  SetColumn(transform, 3, Add(eye, Scale(direction, t)));
}

void O3D::PlaceAtDesignPoint(float x, float y, float z, const OCamera& camera, float designWidth,
                             float designHeight) {
  // Whole pixels, as the layouts were made on a real screen.
  const float screenX = std::trunc(x / (designWidth / camera.viewportWidth));
  const float screenY = std::trunc(y / (designHeight / camera.viewportHeight));
  PlaceAtScreenPoint(screenX, screenY, z, camera);
}
