// Colours with opacity: which calls keep a fade's alpha, and what reaches GL.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>

#include "gfx/OColor4.h"
#include "support/GLTestContext.h"

namespace {

using OColor4Test = GLTest;

TEST(OColor4, RecolouringKeepsAlphaUnlessANewOneIsGiven) {
  OColor4 colour(1, 1, 1, 0.5f);
  colour.Set(0.1f, 0.2f, 0.3f, -1);
  EXPECT_EQ(colour.a, 0.5f);
  EXPECT_EQ(colour.b, 0.3f);
  static_cast<OColor3&>(colour).Set(0.4f, 0.5f, 0.6f);
  EXPECT_EQ(colour.a, 0.5f);
  EXPECT_EQ(colour.r, 0.4f);
  colour.Set(0, 0, 0, 0);
  EXPECT_EQ(colour.a, 0.0f);
}

TEST_F(OColor4Test, ApplyThroughTheBaseSendsAlphaToo) {
  std::unique_ptr<OColor3> colour = std::make_unique<OColor4>(0.25f, 0.5f, 0.75f, 0.125f);
  colour->Apply();
  GLfloat current[4];
  glGetFloatv(GL_CURRENT_COLOR, current);
  EXPECT_FLOAT_EQ(current[0], 0.25f);
  EXPECT_FLOAT_EQ(current[2], 0.75f);
  EXPECT_FLOAT_EQ(current[3], 0.125f);

  OColor3 opaque(1, 0, 0);
  opaque.Apply();
  glGetFloatv(GL_CURRENT_COLOR, current);
  EXPECT_FLOAT_EQ(current[0], 1.0f);
  EXPECT_FLOAT_EQ(current[3], 1.0f);
}

}  // namespace
