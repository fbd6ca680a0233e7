// Which calls keep a fading colour's alpha.
#include <gtest/gtest.h>

#include "gfx/OColor4.h"

namespace {

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

}  // namespace
