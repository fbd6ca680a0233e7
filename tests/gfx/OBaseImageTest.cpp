// Textures on a real GL context: which way up they are drawn, grey pictures,
// and the filters each quality setting gives.
#include <GL/gl.h>

#include "TextureTest.h"
#include "gfx/OBaseImage.h"
#include "gfx/OTexture.h"

namespace {

using OBaseImageTest = TextureTest;

TEST_F(OBaseImageTest, TheFilesFirstRowIsDrawnAtTZero) {
  // Rows are uploaded as stored: a TGA, stored bottom row first, stands upright
  // with t = 0 at the bottom; a JPEG, stored top row first, stands on its head.
  // The width of three checks that RGB rows of odd length are not skewed.
  const Rows rows = {"RKG", "BKY"};
  TextureArchive archive(
      {{"Rows.tga", TgaFile(rows)}, {"Rows32.tga", TgaFile(rows, 32)}, {"Rows.jpg", JpegFile(rows, 16)}});
  manager_.SetFilterMode(0);
  for (const auto& [name, tolerance] : {std::pair{"Rows.tga", 0}, {"Rows32.tga", 0}, {"Rows.jpg", 12}}) {
    SCOPED_TRACE(name);
    OTexture texture;
    texture.Set(name);
    texture.Bind();
    DrawTexturedQuad();
    EXPECT_TRUE(ColourNear(context_.PixelAt(kLeft, kBottom), 'R', tolerance));
    EXPECT_TRUE(ColourNear(context_.PixelAt(kRight, kBottom), 'G', tolerance));
    EXPECT_TRUE(ColourNear(context_.PixelAt(kLeft, kTop), 'B', tolerance));
    EXPECT_TRUE(ColourNear(context_.PixelAt(kRight, kTop), 'Y', tolerance));
  }
}

TEST_F(OBaseImageTest, GreyPicturesAreLuminanceTextures) {
  const Bytes greyTga = {0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0, 8, 0, 0, 255};
  TextureArchive archive({{"Grey.tga", greyTga}, {"Grey.jpg", JpegFile({"KW"}, 16, JpegColours::kGrey)}});
  manager_.SetFilterMode(0);
  for (const char* name : {"Grey.tga", "Grey.jpg"}) {
    SCOPED_TRACE(name);
    OTexture texture;
    texture.Set(name);
    EXPECT_EQ(texture.Image()->Format(), static_cast<GLenum>(GL_LUMINANCE));
    EXPECT_EQ(texture.Image()->Components(), 1);
    texture.Bind();
    DrawTexturedQuad();
    EXPECT_TRUE(ColourNear(context_.PixelAt(kLeft, kBottom), 'K', 8));
    EXPECT_TRUE(ColourNear(context_.PixelAt(kRight, kTop), 'W', 8));
  }
}

GLint Parameter(GLenum name) {
  GLint value = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
  return value;
}

GLint LevelOneWidth() {
  GLint width = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &width);
  return width;
}

TEST_F(OBaseImageTest, EachFilterModeSetsItsFilters) {
  struct Expected {
    GLint mag, min;
  };
  const Expected expected[] = {
      {GL_NEAREST, GL_NEAREST},
      {GL_LINEAR, GL_NEAREST},
      {GL_NEAREST, GL_LINEAR},
      {GL_LINEAR, GL_LINEAR},
      {GL_NEAREST, GL_NEAREST_MIPMAP_NEAREST},
      {GL_NEAREST, GL_LINEAR_MIPMAP_NEAREST},
      {GL_NEAREST, GL_NEAREST_MIPMAP_LINEAR},
      {GL_LINEAR, GL_NEAREST_MIPMAP_NEAREST},
      {GL_LINEAR, GL_LINEAR_MIPMAP_NEAREST},
      {GL_LINEAR, GL_NEAREST_MIPMAP_LINEAR},
      {GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR},
      {GL_LINEAR, GL_NEAREST_MIPMAP_LINEAR},  // 11 sets nothing: OpenGL's defaults stay
  };
  TextureArchive archive({{"Quad.tga", TgaFile({"RGBY", "KWCM"})}});
  for (std::uint32_t mode = 0; mode < std::size(expected); ++mode) {
    SCOPED_TRACE("mode " + std::to_string(mode));
    manager_.SetFilterMode(mode);
    OTexture texture;
    texture.Set("Quad.tga");
    texture.Bind();
    EXPECT_EQ(Parameter(GL_TEXTURE_MAG_FILTER), expected[mode].mag);
    EXPECT_EQ(Parameter(GL_TEXTURE_MIN_FILTER), expected[mode].min);
    EXPECT_EQ(LevelOneWidth(), mode >= 4 ? 2 : 0) << "mipmaps";
  }
}

}  // namespace
