// Placing and turning objects, parent chains, and the line test that mouse
// picking of board pieces rests on.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "gfx/O3D.h"
#include "gfx/OCamera.h"
#include "support/GLTestContext.h"

namespace {

using Vec3 = std::array<float, 3>;
constexpr float kHalfTurn = std::numbers::pi_v<float>;

Vec3 Axis(const O3D& object, int axis) {
  const float* t = object.transform + axis * 4;
  return {t[0], t[1], t[2]};
}

float Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
float Length(const Vec3& v) { return std::sqrt(Dot(v, v)); }

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-5f) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(actual[i], expected[i], tolerance) << "component " << i;
  }
}

void ExpectDirection(const Vec3& actual, const Vec3& expected) {
  const float a = Length(actual);
  const float e = Length(expected);
  ExpectNear({actual[0] / a, actual[1] / a, actual[2] / a},
             {expected[0] / e, expected[1] / e, expected[2] / e});
}

void SetPosition(O3D& object, float x, float y, float z) {
  object.transform[12] = x;
  object.transform[13] = y;
  object.transform[14] = z;
}

TEST(O3D, LocalTurnsKeepThePositionAndWorldTurnsCarryIt) {
  O3D object;
  SetPosition(object, 2, 0, 1);
  object.RotateLocalZ(kHalfTurn / 2);
  ExpectNear(Axis(object, 0), {0, 1, 0});
  ExpectNear(Axis(object, 1), {-1, 0, 0});
  object.RotateLocalX(kHalfTurn / 2);  // about the new X, which is world Y
  ExpectNear(Axis(object, 1), {0, 0, 1});
  ExpectNear(Axis(object, 2), {1, 0, 0});
  ExpectNear(Axis(object, 3), {2, 0, 1});

  object.RotateWorldZ(kHalfTurn / 2);
  ExpectNear(Axis(object, 0), {-1, 0, 0});
  ExpectNear(Axis(object, 2), {0, 1, 0});
  ExpectNear(Axis(object, 3), {0, 2, 1});
}

TEST(O3D, TurnTowardPointsTheGivenDirectionAtTheTarget) {
  {
    SCOPED_TRACE("general direction: the local Y axis follows, the frame stays rigid");
    O3D object;
    SetPosition(object, 1, 1, 1);
    object.RotateLocalZ(0.4f);
    const Vec3 y = Axis(object, 1);
    object.TurnToward(4, 5, 6, y[0], y[1], y[2]);
    ExpectDirection(Axis(object, 1), {3, 4, 5});
    const Vec3 x = Axis(object, 0);
    const Vec3 z = Axis(object, 2);
    EXPECT_NEAR(Length(x), 1, 1e-5);
    EXPECT_NEAR(Dot(x, z), 0, 1e-5);
    ExpectNear(Axis(object, 3), {1, 1, 1});
  }
  {
    SCOPED_TRACE("target straight behind: a half turn");
    O3D object;
    SetPosition(object, 0, 3, 0);
    object.TurnToward(0, 1, 0, 0, 1, 0);
    ExpectNear(Axis(object, 1), {0, -1, 0});
    ExpectNear(Axis(object, 3), {0, 3, 0});
  }
  {
    SCOPED_TRACE("already facing, target on the position, no direction: nothing moves");
    O3D object;
    SetPosition(object, 1, 2, 3);
    object.RotateLocalX(0.3f);
    const O3D before = object;
    object.TurnToward(1, 7, 3, 0, 1, 0);
    object.TurnToward(1, 2, 3, 0, 0, 1);
    object.TurnToward(5, 5, 5, 0, 0, 0);
    for (int i = 0; i < 16; ++i) {
      EXPECT_NEAR(object.transform[i], before.transform[i], 1e-6) << "element " << i;
    }
  }
}

// Grandparent turned a quarter about Z at (10, 0, 0); parent a quarter about its X
// at (0, 5, 0); child at (1, 2, 3) in the parent.
TEST(O3D, WorldMatrixAndPositionFollowTheParentChain) {
  O3D grandparent;
  grandparent.RotateWorldZ(kHalfTurn / 2);
  SetPosition(grandparent, 10, 0, 0);
  O3D parentPart;
  parentPart.RotateLocalX(kHalfTurn / 2);
  SetPosition(parentPart, 0, 5, 0);
  parentPart.SetParent(&grandparent);
  O3D child;
  SetPosition(child, 1, 2, 3);
  child.SetParent(&parentPart);

  ExpectNear(child.GetWorldPosition(), {8, 1, 2});
  const std::array<float, 16> world = child.GetWorldMatrix();
  ExpectNear({world[0], world[1], world[2]}, {0, 1, 0});
  ExpectNear({world[4], world[5], world[6]}, {0, 0, 1});
  ExpectNear({world[8], world[9], world[10]}, {1, 0, 0});
  ExpectNear({world[12], world[13], world[14]}, {8, 1, 2});
  EXPECT_EQ(world[15], 1.0f);

  const O3D copy = child;
  EXPECT_EQ(copy.parent, &parentPart);
}

// A box 2 x 1 x 0.5 around (0, 0, 1), turned a quarter about Z inside a parent at
// (0, 10, 0), sits at (5, 10, 1) in the world with its long side along world Y.
TEST(O3D, IntersectsLineTestsTheWholeLineAgainstTheTurnedBox) {
  O3D base;
  SetPosition(base, 0, 10, 0);
  O3D box;
  box.RotateWorldZ(kHalfTurn / 2);
  SetPosition(box, 5, 0, 0);
  box.SetParent(&base);
  box.centre[2] = 1;
  box.halfExtents[0] = 1;
  box.halfExtents[1] = 0.5f;
  box.halfExtents[2] = 0.25f;

  struct Case {
    const char* name;
    Vec3 start;
    Vec3 end;
    bool hits;
  };
  const Case cases[] = {
      {"along X through the long side", {0, 10.9f, 1}, {10, 10.9f, 1}, true},
      {"along Y beside the short side", {5.7f, 0, 1}, {5.7f, 20, 1}, false},
      {"straight down through it", {5.4f, 10.9f, 9}, {5.4f, 10.9f, -9}, true},
      {"straight down beside it", {5.6f, 10, 9}, {5.6f, 10, -9}, false},
      {"above it", {0, 10, 1.3f}, {10, 10, 1.3f}, false},
      {"segment ending short of the box", {0, 10, 1}, {1, 10, 1}, true},
      {"diagonal cutting a corner", {5.8f, 10.5f, 1}, {6.8f, 9.5f, 1}, true},
      {"diagonal passing a corner", {5.8f, 11, 1}, {6.8f, 10, 1}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(box.IntersectsLine(c.start, c.end), c.hits);
  }
}

TEST(O3D, FaceCameraTurnsTowardTheCameraKeepingAxisLengths) {
  OCamera camera(64, 64, 45, 1, 100);
  SetPosition(camera, 4, -8, 10);
  camera.LookAt(0, 0, 0);
  O3D sprite;
  sprite.transform[0] = 2;
  sprite.transform[5] = 3;
  sprite.transform[10] = 0.5f;
  SetPosition(sprite, 1, 2, 0);

  sprite.FaceCamera(camera);
  EXPECT_NEAR(Length(Axis(sprite, 0)), 2, 1e-5);
  EXPECT_NEAR(Length(Axis(sprite, 1)), 3, 1e-5);
  EXPECT_NEAR(Length(Axis(sprite, 2)), 0.5f, 1e-5);
  const Vec3 toCamera{3, -10, 10};
  ExpectDirection(Axis(sprite, 2), toCamera);
  // Upright as the camera sees it: local Y lies in the plane of the camera's Y and
  // the view line, on the camera's up side, and X completes a right-handed frame.
  const Vec3 y = Axis(sprite, 1);
  const Vec3 cameraUp = Axis(camera, 1);
  EXPECT_GT(Dot(y, cameraUp), 0);
  EXPECT_NEAR(Dot(y, Cross(cameraUp, toCamera)), 0, 1e-4);
  ExpectDirection(Axis(sprite, 0), Cross(y, Axis(sprite, 2)));
}

TEST(O3D, PlacedObjectsAppearOnTheGivenPixel) {
  GLTestContext context(80, 48);
  ASSERT_TRUE(context.Ok()) << context.Error();
  OCamera camera(80, 48, 50, 1, 200);
  SetPosition(camera, 3, -20, 15);
  camera.LookAt(0, 0, 2);
  camera.SetViewport(80, 48);

  O3D object;
  object.PlaceAtScreenPoint(61, 12, 2, camera);
  EXPECT_NEAR(object.transform[14], 2, 1e-4);
  GLdouble modelView[16];
  GLdouble projection[16];
  GLint viewport[4];
  std::copy(camera.modelView, camera.modelView + 16, modelView);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLdouble x;
  GLdouble y;
  GLdouble z;
  const Vec3 p = object.GetWorldPosition();
  gluProject(p[0], p[1], p[2], modelView, projection, viewport, &x, &y, &z);
  EXPECT_NEAR(x, 61, 1e-3);
  EXPECT_NEAR(y, 12, 1e-3);

  {
    SCOPED_TRACE("design size equal to the viewport");
    O3D same;
    same.PlaceAtDesignPoint(61, 12, 2, camera, 80, 48);
    ExpectNear(same.GetWorldPosition(), p, 1e-4f);
  }
  {
    SCOPED_TRACE("design twice the viewport, odd coordinates drop to whole pixels");
    O3D scaled;
    scaled.PlaceAtDesignPoint(123, 25, 2, camera, 160, 96);
    ExpectNear(scaled.GetWorldPosition(), p, 1e-4f);
  }
}

}  // namespace
