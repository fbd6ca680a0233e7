// What texture tests share: a real GL context, an archive of the test's own
// pictures for the texture manager to read, and the manager's filter mode put
// back afterwards.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/OConfig.h"
#include "app/OResourceArchive.h"
#include "gfx/OTextureManager.h"
#include "support/GLTestContext.h"
#include "support/TestFiles.h"
#include "support/TestImages.h"
#include "ztrpack/ZtrWriter.h"

using Bytes = std::vector<std::uint8_t>;

// The manager reads the settings file when first used and writes one when it
// is missing; that file belongs in a temporary folder, not the build tree.
inline OTextureManager& TestTextureManager() {
  static TempFolder settings;
  static OTextureManager& manager = []() -> OTextureManager& {
    OConfig::Instance().fileName = settings / "Config.Cfg";
    return OTextureManager::Instance();
  }();
  return manager;
}

// Packs pictures under "Data/Textures/" and points the manager at them.
class TextureArchive {
 public:
  explicit TextureArchive(const std::vector<std::pair<std::string, Bytes>>& textures) {
    ZtrWriter writer;
    for (const auto& [name, bytes] : textures) {
      writer.Add("Data/Textures/" + name, bytes);
    }
    WriteBytes(path_, writer.Build());
    archive_.Open();
    TestTextureManager().SetArchive(&archive_);
  }
  ~TextureArchive() { TestTextureManager().SetArchive(nullptr); }
  TextureArchive(const TextureArchive&) = delete;
  TextureArchive& operator=(const TextureArchive&) = delete;

 private:
  TempFolder folder_;
  std::string path_ = folder_ / "Resource.Ztr";
  OResourceArchive archive_{path_, [](const std::string&) {}};
};

// The bound texture over the whole context, t = 0 along the bottom edge.
inline void DrawTexturedQuad() {
  glEnable(GL_TEXTURE_2D);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 1, 0, 1, -1, 1);
  glBegin(GL_TRIANGLE_STRIP);
  glTexCoord2f(0, 0);
  glVertex2f(0, 0);
  glTexCoord2f(1, 0);
  glVertex2f(1, 0);
  glTexCoord2f(0, 1);
  glVertex2f(0, 1);
  glTexCoord2f(1, 1);
  glVertex2f(1, 1);
  glEnd();
}

// The centres of the four quarters of a 64 x 64 context.
constexpr int kLeft = 16, kRight = 48, kTop = 48, kBottom = 16;

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

  OTextureManager& manager_ = TestTextureManager();
  std::uint32_t savedMode_ = 0;
};
