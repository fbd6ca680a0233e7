// Placing and turning objects, parent chains, the line test that mouse picking
// of board pieces rests on, and the camera: where it looks, the GL state it
// sets up, and the mouse ray, checked against what GL itself projects.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "gfx/O3D.h"
#include "gfx/OCamera.h"
#include "support/GLTestContext.h"

namespace {

using Vec3 = std::array<float, 3>;
constexpr float kQuarterTurn = std::numbers::pi_v<float> / 2;

Vec3 Axis(const O3D& object, int axis) {
  const float* t = object.transform + axis * 4;
  return {t[0], t[1], t[2]};
}

float Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
float Length(const Vec3& v) { return std::sqrt(Dot(v, v)); }
Vec3 Unit(const Vec3& v) { return {v[0] / Length(v), v[1] / Length(v), v[2] / Length(v)}; }

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-5f) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(actual[i], expected[i], tolerance) << "component " << i;
  }
}

void ExpectDirection(const Vec3& actual, const Vec3& expected) { ExpectNear(Unit(actual), Unit(expected)); }

void SetPosition(O3D& object, const Vec3& p) { std::copy(p.begin(), p.end(), object.transform + 12); }

TEST(O3D, LocalTurnsKeepThePositionAndWorldTurnsCarryIt) {
  O3D object;
  SetPosition(object, {2, 0, 1});
  object.RotateLocalZ(kQuarterTurn);
  ExpectNear(Axis(object, 0), {0, 1, 0});
  ExpectNear(Axis(object, 1), {-1, 0, 0});
  object.RotateLocalX(kQuarterTurn);  // about the new X, which is world Y
  ExpectNear(Axis(object, 1), {0, 0, 1});
  ExpectNear(Axis(object, 2), {1, 0, 0});
  ExpectNear(Axis(object, 3), {2, 0, 1});

  object.RotateWorldZ(kQuarterTurn);
  ExpectNear(Axis(object, 0), {-1, 0, 0});
  ExpectNear(Axis(object, 2), {0, 1, 0});
  ExpectNear(Axis(object, 3), {0, 2, 1});
}

TEST(O3D, TurnTowardPointsTheGivenDirectionAtTheTarget) {
  {
    SCOPED_TRACE("general direction: the local Y axis follows, the frame stays rigid");
    O3D object;
    SetPosition(object, {1, 1, 1});
    object.RotateLocalZ(0.4f);
    const Vec3 y = Axis(object, 1);
    object.TurnToward(4, 5, 6, y[0], y[1], y[2]);
    ExpectDirection(Axis(object, 1), {3, 4, 5});
    EXPECT_NEAR(Length(Axis(object, 0)), 1, 1e-5);
    EXPECT_NEAR(Dot(Axis(object, 0), Axis(object, 2)), 0, 1e-5);
    ExpectNear(Axis(object, 3), {1, 1, 1});
  }
  {
    SCOPED_TRACE("target straight behind: a half turn");
    O3D object;
    SetPosition(object, {0, 3, 0});
    object.TurnToward(0, 1, 0, 0, 1, 0);
    ExpectNear(Axis(object, 1), {0, -1, 0});
  }
  {
    SCOPED_TRACE("already facing, target on the position, no direction: nothing moves");
    O3D object;
    SetPosition(object, {1, 2, 3});
    object.RotateLocalX(0.3f);
    const O3D before = object;
    object.TurnToward(1, 7, 3, 0, 1, 0);
    object.TurnToward(1, 2, 3, 0, 0, 1);
    object.TurnToward(5, 5, 5, 0, 0, 0);
    EXPECT_TRUE(std::equal(object.transform, object.transform + 16, before.transform));
  }
}

// Grandparent turned a quarter about Z at (10, 0, 0); parent a quarter about its X
// at (0, 5, 0); child at (1, 2, 3) in the parent.
TEST(O3D, WorldMatrixAndPositionFollowTheParentChain) {
  O3D grandparent;
  grandparent.RotateWorldZ(kQuarterTurn);
  SetPosition(grandparent, {10, 0, 0});
  O3D parentPart;
  parentPart.RotateLocalX(kQuarterTurn);
  SetPosition(parentPart, {0, 5, 0});
  parentPart.SetParent(&grandparent);
  O3D child;
  SetPosition(child, {1, 2, 3});
  child.SetParent(&parentPart);

  ExpectNear(child.GetWorldPosition(), {8, 1, 2});
  const std::array<float, 16> world = child.GetWorldMatrix();
  const float expected[16] = {0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 8, 1, 2, 1};
  for (int i = 0; i < 16; ++i) {
    EXPECT_NEAR(world[i], expected[i], 1e-5) << "element " << i;
  }
}

// A box 2 x 1 x 0.5 around (0, 0, 1), turned a quarter about Z inside a parent at
// (0, 10, 0), sits at (5, 10, 1) in the world with its long side along world Y.
TEST(O3D, IntersectsLineTestsTheWholeLineAgainstTheTurnedBox) {
  O3D base;
  SetPosition(base, {0, 10, 0});
  O3D box;
  box.RotateWorldZ(kQuarterTurn);
  SetPosition(box, {5, 0, 0});
  box.SetParent(&base);
  box.centre[2] = 1;
  box.halfExtents[0] = 1;
  box.halfExtents[1] = 0.5f;
  box.halfExtents[2] = 0.25f;

  const struct {
    const char* name;
    Vec3 start;
    Vec3 end;
    bool hits;
  } cases[] = {
      {"along X through the long side", {0, 10.9f, 1}, {10, 10.9f, 1}, true},
      {"along Y beside the short side", {5.7f, 0, 1}, {5.7f, 20, 1}, false},
      {"straight down through it", {5.4f, 10.9f, 9}, {5.4f, 10.9f, -9}, true},
      {"straight down beside it", {5.6f, 10, 9}, {5.6f, 10, -9}, false},
      {"above it", {0, 10, 1.3f}, {10, 10, 1.3f}, false},
      {"segment ending short of the box", {0, 10, 1}, {1, 10, 1}, true},
      {"diagonal cutting a corner", {5.8f, 10.5f, 1}, {6.8f, 9.5f, 1}, true},
      {"diagonal passing a corner", {5.8f, 11, 1}, {6.8f, 10, 1}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(box.IntersectsLine(c.start, c.end), c.hits);
  }
}

TEST(O3D, FaceCameraTurnsTowardTheCameraKeepingAxisLengths) {
  OCamera camera(64, 64, 45, 1, 100);
  SetPosition(camera, {4, -8, 10});
  camera.LookAt(0, 0, 0);
  O3D sprite;
  sprite.transform[0] = 2;
  sprite.transform[5] = 3;
  sprite.transform[10] = 0.5f;
  SetPosition(sprite, {1, 2, 0});

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

class SceneGLTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(context_.Ok()) << context_.Error(); }
  static constexpr float kWidth = 96;
  static constexpr float kHeight = 60;
  GLTestContext context_{96, 60};

  // Where GL draws a world point with the camera's view, y counted up.
  static Vec3 Project(const OCamera& camera, const Vec3& point) {
    GLdouble modelView[16];
    GLdouble projection[16];
    GLint viewport[4];
    std::copy(camera.modelView, camera.modelView + 16, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble x, y, z;
    EXPECT_TRUE(gluProject(point[0], point[1], point[2], modelView, projection, viewport, &x, &y, &z));
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
  }
};

// The camera looks along its local -Z at the target with world up on the
// screen (straight up or down, world +Y), whatever way it was turned before.
// For board picking, the ray through the pixel where GL draws a point must
// lead back to it.
TEST_F(SceneGLTest, LookAtAimsTheCameraAndTheScreenRayLeadsBackToProjectedPoints) {
  const struct {
    const char* name;
    Vec3 eye;
    Vec3 target;
    float roll;
    float fov;
  } poses[] = {
      {"in front of the board, a little above", {0, -18, 6}, {0, 0, 3}, 0, 45},
      {"off to one side, rolled", {12, 7, 4}, {0, 1, 2}, 0.35f, 60},
      {"straight down", {1, 2, 25}, {1, 2, 0}, 0, 30},
      {"straight up from below", {0, 0, -9}, {0, 0, 0}, 0, 50},
  };
  const Vec3 points[] = {{0, 0, 0}, {1.5f, -2, 3}, {-2, 1, 0.5f}, {0.5f, 2.5f, -1}};
  for (const auto& pose : poses) {
    SCOPED_TRACE(pose.name);
    OCamera camera(kWidth, kHeight, pose.fov, 0.5f, 100);
    SetPosition(camera, pose.eye);
    camera.RotateLocalZ(0.7f);
    camera.LookAt(pose.target[0], pose.target[1], pose.target[2]);
    const Vec3 back =
        Unit({pose.eye[0] - pose.target[0], pose.eye[1] - pose.target[1], pose.eye[2] - pose.target[2]});
    const bool vertical = std::fabs(back[2]) == 1.0f;
    ExpectNear(Axis(camera, 2), back);
    ExpectNear(Axis(camera, 0), vertical ? Vec3{1, 0, 0} : Unit({-back[1], back[0], 0}));
    ExpectNear(Axis(camera, 1), vertical ? Vec3{0, 1, 0} : Cross(back, Axis(camera, 0)));

    camera.RotateLocalZ(pose.roll);
    camera.SetViewport(kWidth, kHeight);
    for (const Vec3& point : points) {
      const Vec3 pixel = Project(camera, point);
      const Vec3 ray = camera.ScreenRay(pixel[0], kHeight - pixel[1]);
      ExpectNear(ray, Unit({point[0] - pose.eye[0], point[1] - pose.eye[1], point[2] - pose.eye[2]}), 1e-4f);
    }
  }
  SCOPED_TRACE("looking at its own position: nothing moves");
  OCamera camera(kWidth, kHeight, 45, 1, 100);
  SetPosition(camera, {1, 2, 3});
  const OCamera before = camera;
  camera.LookAt(1, 2, 3);
  EXPECT_TRUE(std::equal(camera.transform, camera.transform + 16, before.transform));
}

// The camera sets GL up for the scene: a 50 degree field with the aspect of
// the viewport, clipped at 1 and 200, and its target in the middle. Objects
// placed by a pixel then appear on it.
TEST_F(SceneGLTest, TheViewIsSetUpAndPlacedObjectsAppearOnTheGivenPixel) {
  OCamera camera(kWidth, kHeight, 50, 1, 200);
  SetPosition(camera, {3, -20, 15});
  camera.LookAt(0, 0, 2);
  camera.SetViewport(kWidth, kHeight);
  GLint viewport[4];
  GLint mode;
  glGetIntegerv(GL_VIEWPORT, viewport);
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_TRUE(viewport[2] == 96 && viewport[3] == 60 && mode == GL_MODELVIEW);
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_DEPTH_TEST));
  GLfloat projection[16];
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  const float focal = 1.0f / std::tan(25.0f * std::numbers::pi_v<float> / 180.0f);
  EXPECT_NEAR(projection[5], focal, 1e-5);
  EXPECT_NEAR(projection[0], focal * kHeight / kWidth, 1e-5);
  EXPECT_NEAR(projection[10], -201.0f / 199.0f, 1e-5);
  const Vec3 target = Project(camera, {0, 0, 2});
  EXPECT_NEAR(target[0], kWidth / 2, 1e-3);
  EXPECT_NEAR(target[1], kHeight / 2, 1e-3);

  O3D object;
  object.PlaceAtScreenPoint(61, 12, 2, camera);
  const Vec3 p = object.GetWorldPosition();
  EXPECT_NEAR(p[2], 2, 1e-4);
  const Vec3 pixel = Project(camera, p);
  EXPECT_NEAR(pixel[0], 61, 1e-3);
  EXPECT_NEAR(pixel[1], 12, 1e-3);

  // A design twice the viewport; odd coordinates drop to whole pixels.
  O3D scaled;
  scaled.PlaceAtDesignPoint(123, 25, 2, camera, 2 * kWidth, 2 * kHeight);
  ExpectNear(scaled.GetWorldPosition(), p, 1e-4f);
}

// The debug outline, read back through GL's feedback mode: the box's twelve
// edges, each once. A corner is named by one bit per axis, set where it is at
// `high`; a point on neither face of an axis spoils the name.
TEST_F(SceneGLTest, TheOutlineIsTheTwelveEdgesOfTheBox) {
  O3D box;
  const Vec3 low{-0.5f, -0.25f, -0.75f};
  const Vec3 high{0.5f, 0.75f, 0.25f};
  std::copy(low.begin(), low.end(), box.boxMin);
  std::copy(high.begin(), high.end(), box.boxMax);
  // Mesa's feedback mode leaves memory behind when its context goes: this one
  // stays for the whole test program.
  static const GLTestContext* const feedback = new GLTestContext(2, 2);
  ASSERT_TRUE(feedback->Ok()) << feedback->Error();
  glViewport(0, 0, 2, 2);  // window coordinates are then x + 1, y + 1 and (z + 1) / 2
  std::vector<GLfloat> buffer(1024);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  box.Draw();
  const GLint size = glRenderMode(GL_RENDER);
  std::multiset<std::pair<int, int>> edges, expected;
  for (GLint i = 0; i + 7 <= size; i += 7) {  // a line token, then two points
    int ends[2] = {0, 0};
    for (int end = 0; end < 2; ++end) {
      const GLfloat* w = &buffer[static_cast<std::size_t>(i + 1 + 3 * end)];
      const Vec3 p{w[0] - 1, w[1] - 1, 2 * w[2] - 1};
      const auto on = [&p](int axis, const Vec3& face) { return std::fabs(p[axis] - face[axis]) < 1e-3f; };
      for (int axis = 0; axis < 3; ++axis) {
        ends[end] |= (on(axis, high) ? 1 : on(axis, low) ? 0 : 8) << axis;
      }
    }
    edges.emplace(std::min(ends[0], ends[1]), std::max(ends[0], ends[1]));
  }
  for (int corner = 0; corner < 8; ++corner) {
    for (int axis = 0; axis < 3; ++axis) {
      if (!(corner & 1 << axis)) {
        expected.emplace(corner, corner | 1 << axis);
      }
    }
  }
  EXPECT_EQ(edges, expected);
}

}  // namespace
