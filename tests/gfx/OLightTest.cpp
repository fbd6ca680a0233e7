// A light reaches GL as the game sets it up.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "gfx/OLight.h"
#include "support/GLTestContext.h"

namespace {

using OLightTest = GLTest;

TEST_F(OLightTest, ApplySendsAmbientPositionAndLightModel) {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  OLight directional(1);
  directional.ambient[0] = 0.25f;
  directional.transform[12] = 7;
  directional.Apply();
  OLight positional(3);
  positional.positional = true;
  positional.localViewer = 1;
  positional.transform[12] = 2;
  positional.transform[13] = -4;

  GLfloat ambient[4];
  glGetLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
  EXPECT_EQ(ambient[0], 0.25f);
  EXPECT_EQ(ambient[1], 0.4f);
  GLfloat position[4];
  glGetLightfv(GL_LIGHT1, GL_POSITION, position);
  EXPECT_EQ(position[0], 0.0f) << "a directional light keeps GL's own direction";
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
  EXPECT_FALSE(glIsEnabled(GL_LIGHT0));

  positional.Apply();
  glGetLightfv(GL_LIGHT3, GL_POSITION, position);
  EXPECT_EQ(position[0], 2.0f);
  EXPECT_EQ(position[1], -4.0f);
  EXPECT_EQ(position[3], 1.0f);
  EXPECT_TRUE(glIsEnabled(GL_LIGHT3));
  GLint localViewer;
  glGetIntegerv(GL_LIGHT_MODEL_LOCAL_VIEWER, &localViewer);
  EXPECT_EQ(localViewer, 1);
}

}  // namespace
