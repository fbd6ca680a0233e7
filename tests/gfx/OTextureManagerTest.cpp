// What the manager does to every cached texture at once: a new quality
// setting, and the GL context going away and coming back.
#include <GL/gl.h>

#include "TextureTest.h"
#include "gfx/OBaseImage.h"
#include "gfx/OTexture.h"

namespace {

using OTextureManagerTest = TextureTest;

TEST_F(OTextureManagerTest, ReapplyingAFilterChangesFiltersButMakesNoMipmaps) {
  TextureArchive archive({{"Quad.tga", TgaFile({"RGBY", "KWCM"})}});
  manager_.SetFilterMode(3);
  OTexture texture;
  texture.Set("Quad.tga");
  manager_.ReapplyFilter(10);
  texture.Bind();
  GLint mag = 0, min = 0, levelOneWidth = -1;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &levelOneWidth);
  EXPECT_EQ(mag, GL_LINEAR);
  EXPECT_EQ(min, GL_LINEAR_MIPMAP_LINEAR);
  EXPECT_EQ(levelOneWidth, 0);
  EXPECT_EQ(texture.Image()->FilterMode(), 10u);
  EXPECT_EQ(manager_.FilterMode(), 3u) << "new images keep the manager's own mode";
}

TEST(OTextureManager, TexturesComeBackInANewContext) {
  OTextureManager& manager = OTextureManager::Instance();
  const std::uint32_t savedMode = manager.FilterMode();
  TextureArchive archive({{"Rows.tga", TgaFile({"RG", "BY"})}, {"Rows.jpg", JpegFile({"RG", "BY"}, 16)}});
  manager.SetFilterMode(0);
  OTexture tga, jpeg;
  auto context = std::make_unique<GLTestContext>(64, 64);
  ASSERT_TRUE(context->Ok()) << context->Error();
  tga.Set("Rows.tga");
  jpeg.Set("Rows.jpg");
  manager.DeleteAllTextures();
  EXPECT_EQ(tga.Image()->TextureName(), 0u);
  EXPECT_EQ(jpeg.Image()->TextureName(), 0u);

  context.reset();
  context = std::make_unique<GLTestContext>(64, 64);
  ASSERT_TRUE(context->Ok()) << context->Error();
  manager.RecreateAllTextures();
  for (const OTexture* texture : {&tga, &jpeg}) {
    SCOPED_TRACE(texture->Name());
    texture->Bind();
    DrawTexturedQuad();
    EXPECT_TRUE(ColourNear(context->PixelAt(kLeft, kBottom), 'R', 12));
    EXPECT_TRUE(ColourNear(context->PixelAt(kRight, kTop), 'Y', 12));
  }
  tga.Clear();
  jpeg.Clear();
  manager.SetFilterMode(savedMode);
}

}  // namespace
