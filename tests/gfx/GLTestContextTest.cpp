// The test context itself: a real compatibility profile that draws.
#include <GL/gl.h>

#include "support/GLTestContext.h"

namespace {

using GLTestContextTest = GLTest;

TEST_F(GLTestContextTest, DrawsWithTheFixedFunctionPipeline) {
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 64, 0, 64, -1, 1);
  glColor3f(1, 0, 0);
  glBegin(GL_TRIANGLE_STRIP);
  glVertex2f(0, 0);
  glVertex2f(0, 32);
  glVertex2f(32, 0);
  glVertex2f(32, 32);
  glEnd();
  EXPECT_EQ(context_.PixelAt(10, 10), (std::array<std::uint8_t, 4>{255, 0, 0, 255}));
  EXPECT_EQ(context_.PixelAt(50, 50), (std::array<std::uint8_t, 4>{0, 0, 255, 255}));
}

}  // namespace
