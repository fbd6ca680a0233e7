// The camera: where it looks, the GL state it sets up, and the mouse ray that
// picks board cells, checked against what GL itself projects.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

#include "gfx/OCamera.h"
#include "support/GLTestContext.h"

namespace {

using Vec3 = std::array<float, 3>;

Vec3 Axis(const O3D& object, int axis) {
  const float* t = object.transform + axis * 4;
  return {t[0], t[1], t[2]};
}

void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-5f) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(actual[i], expected[i], tolerance) << "component " << i;
  }
}

void SetPosition(O3D& object, const Vec3& p) { std::copy(p.begin(), p.end(), object.transform + 12); }

TEST(OCamera, LookAtAimsLocalMinusZAtTheTargetWithWorldUpOnScreen) {
  {
    SCOPED_TRACE("level, looking north");
    OCamera camera(64, 64, 45, 1, 100);
    SetPosition(camera, {0, -10, 0});
    camera.LookAt(0, 0, 0);
    ExpectNear(Axis(camera, 0), {1, 0, 0});
    ExpectNear(Axis(camera, 1), {0, 0, 1});
    ExpectNear(Axis(camera, 2), {0, -1, 0});
  }
  {
    SCOPED_TRACE("straight down from above");
    OCamera camera(64, 64, 45, 1, 100);
    SetPosition(camera, {2, 3, 20});
    camera.RotateLocalZ(0.7f);
    camera.LookAt(2, 3, 0);
    ExpectNear(Axis(camera, 0), {1, 0, 0});
    ExpectNear(Axis(camera, 1), {0, 1, 0});
    ExpectNear(Axis(camera, 2), {0, 0, 1});
  }
  {
    SCOPED_TRACE("at its own position");
    OCamera camera(64, 64, 45, 1, 100);
    SetPosition(camera, {1, 2, 3});
    camera.LookAt(5, 0, 0);
    const OCamera before = camera;
    camera.LookAt(1, 2, 3);
    for (int i = 0; i < 16; ++i) {
      EXPECT_EQ(camera.transform[i], before.transform[i]) << "element " << i;
    }
  }
}

class OCameraGLTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(context_.Ok()) << context_.Error(); }
  static constexpr float kWidth = 96;
  static constexpr float kHeight = 60;
  GLTestContext context_{96, 60};
};

TEST_F(OCameraGLTest, SetViewportLoadsProjectionAndViewAndSwitchesOnDepthAndLight) {
  OCamera camera(kWidth, kHeight, 60, 2, 50);
  SetPosition(camera, {4, -6, 5});
  camera.LookAt(0, 0, 1);
  camera.SetViewport(kWidth, kHeight);

  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 96);
  EXPECT_EQ(viewport[3], 60);
  GLint mode;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));

  // A 60 degree field with the aspect of the viewport, clipped at 2 and 50.
  GLfloat projection[16];
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  const float focal = 1.0f / std::tan(30.0f * 3.14159265f / 180.0f);
  EXPECT_NEAR(projection[5], focal, 1e-5);
  EXPECT_NEAR(projection[0], focal * kHeight / kWidth, 1e-5);
  EXPECT_NEAR(projection[10], -(50.0f + 2.0f) / (50.0f - 2.0f), 1e-5);
}

// Board picking: the ray through the pixel where GL draws a point must lead back to it.
TEST_F(OCameraGLTest, ScreenRayThroughAProjectedPointLeadsBackToIt) {
  struct Pose {
    const char* name;
    Vec3 eye;
    Vec3 target;
    float roll;
    float fov;
  };
  const Pose poses[] = {
      {"in front of the board, a little above", {0, -18, 6}, {0, 0, 3}, 0, 45},
      {"off to one side, rolled", {12, 7, 4}, {0, 1, 2}, 0.35f, 60},
      {"straight down", {1, 2, 25}, {1, 2, 0}, 0, 30},
      {"straight up from below", {0, 0, -9}, {0, 0, 0}, 0, 50},
  };
  const Vec3 points[] = {{0, 0, 0}, {1.5f, -2, 3}, {-2, 1, 0.5f}, {0.5f, 2.5f, -1}};
  for (const Pose& pose : poses) {
    SCOPED_TRACE(pose.name);
    OCamera camera(kWidth, kHeight, pose.fov, 0.5f, 100);
    SetPosition(camera, pose.eye);
    camera.LookAt(pose.target[0], pose.target[1], pose.target[2]);
    camera.RotateLocalZ(pose.roll);
    camera.SetViewport(kWidth, kHeight);
    GLdouble modelView[16];
    GLdouble projection[16];
    GLint viewport[4];
    std::copy(camera.modelView, camera.modelView + 16, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);

    for (const Vec3& point : points) {
      GLdouble x;
      GLdouble y;
      GLdouble z;
      ASSERT_TRUE(gluProject(point[0], point[1], point[2], modelView, projection, viewport, &x, &y, &z));
      const Vec3 ray = camera.ScreenRay(static_cast<float>(x), kHeight - static_cast<float>(y));
      Vec3 expected{point[0] - pose.eye[0], point[1] - pose.eye[1], point[2] - pose.eye[2]};
      const float length =
          std::sqrt(expected[0] * expected[0] + expected[1] * expected[1] + expected[2] * expected[2]);
      for (float& component : expected) {
        component /= length;
      }
      ExpectNear(ray, expected, 1e-4f);
    }
  }
}

}  // namespace
