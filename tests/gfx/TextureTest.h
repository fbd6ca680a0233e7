// What texture tests share: a real GL context, an archive of the test's own
// pictures for the texture manager to read, and the manager's filter mode put
// back afterwards.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "gfx/OTextureManager.h"
#include "support/GLTestContext.h"
#include "support/TestArchive.h"
#include "support/TestImages.h"

using Bytes = std::vector<std::uint8_t>;

// Packs pictures under "Data/Textures/" as the game's archive for the test.
class TextureArchive : public TestArchive {
 public:
  explicit TextureArchive(const std::vector<std::pair<std::string, Bytes>>& textures)
      : TestArchive(InTextureFolder(textures)) {}

 private:
  static Members InTextureFolder(const std::vector<std::pair<std::string, Bytes>>& textures) {
    Members members;
    for (const auto& [name, bytes] : textures) {
      members.emplace_back("Data/Textures/" + name, bytes);
    }
    return members;
  }
};

// The bound texture over the whole context, t = 0 along the bottom edge, with
// a fresh context's matrices.
inline void DrawTexturedQuad() {
  glEnable(GL_TEXTURE_2D);
  glBegin(GL_TRIANGLE_STRIP);
  for (const auto& [s, t] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) {
    glTexCoord2i(s, t);
    glVertex2i(2 * s - 1, 2 * t - 1);
  }
  glEnd();
}

// Each channel within `tolerance` of the letter's colour.
inline ::testing::AssertionResult ColourNear(const std::array<std::uint8_t, 4>& pixel, char letter,
                                             int tolerance) {
  const Rgb want = ColourOf(letter);
  for (int i = 0; i < 3; ++i) {
    if (std::abs(pixel[i] - want[i]) > tolerance) {
      return ::testing::AssertionFailure()
             << "pixel " << +pixel[0] << "," << +pixel[1] << "," << +pixel[2] << " is not " << letter;
    }
  }
  return ::testing::AssertionSuccess();
}

// The centres of the quarters of a 64 x 64 context, bottom-left, bottom-right,
// top-left, top-right: the order a bottom-up picture "RG", "BY" stores them.
inline void ExpectQuarters(const GLTestContext& context, const char (&letters)[5], int tolerance) {
  const int at[4][2] = {{16, 16}, {48, 16}, {16, 48}, {48, 48}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(ColourNear(context.PixelAt(at[i][0], at[i][1]), letters[i], tolerance)) << "quarter " << i;
  }
}

class TextureTest : public GLTest {
 protected:
  void SetUp() override {
    GLTest::SetUp();
    savedMode_ = manager_.FilterMode();
  }
  void TearDown() override {
    manager_.SetFilterMode(savedMode_);
    EXPECT_EQ(manager_.Count(), 0u) << "a test left images in the cache";
  }

  OTextureManager& manager_ = OTextureManager::Instance();
  std::uint32_t savedMode_ = 0;
};
