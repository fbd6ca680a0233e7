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
  {
    SCOPED_TRACE("directional light keeps GL's position");
    OLight light(1);
    light.ambient[0] = 0.25f;
    light.transform[12] = 7;
    light.Apply();
    GLfloat ambient[4];
    glGetLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    EXPECT_FLOAT_EQ(ambient[0], 0.25f);
    EXPECT_FLOAT_EQ(ambient[1], 0.4f);
    EXPECT_FLOAT_EQ(ambient[3], 1.0f);
    GLfloat position[4];
    glGetLightfv(GL_LIGHT1, GL_POSITION, position);
    EXPECT_EQ(position[0], 0.0f);
    EXPECT_EQ(position[3], 0.0f);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
  }
  {
    SCOPED_TRACE("positional light at its own position, local viewer");
    OLight light(3);
    light.positional = true;
    light.localViewer = 1;
    light.transform[12] = 2;
    light.transform[13] = -4;
    light.transform[14] = 6;
    light.Apply();
    GLfloat position[4];
    glGetLightfv(GL_LIGHT3, GL_POSITION, position);
    EXPECT_EQ(position[0], 2.0f);
    EXPECT_EQ(position[1], -4.0f);
    EXPECT_EQ(position[2], 6.0f);
    EXPECT_EQ(position[3], 1.0f);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT3));
    GLint localViewer;
    glGetIntegerv(GL_LIGHT_MODEL_LOCAL_VIEWER, &localViewer);
    EXPECT_EQ(localViewer, 1);
  }
}

}  // namespace
