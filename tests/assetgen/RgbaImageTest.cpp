// The generator's pictures reach the game the right way up: the game draws
// every picture with t = 0 at the bottom, so both formats store the bottom row first.
#include <gtest/gtest.h>

#include "assetgen/RgbaImage.h"
#include "assetgen/SkinAtlas.h"
#include "assetgen/TextRaster.h"
#include "gfx/JpegDecode.h"
#include "gfx/TgaDecode.h"

namespace {

// Red on top, blue at the bottom, 3 pixels wide so rows are not a multiple of four bytes.
RgbaImage TopRedBottomBlue() {
  RgbaImage image(3, 16, {0, 0, 255, 255});
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 3; ++x) {
      image.At(x, y) = {255, 0, 0, 128};
    }
  }
  return image;
}

TEST(RgbaImage, ATgaStoresTheBottomRowFirst) {
  for (const bool alpha : {false, true}) {
    SCOPED_TRACE(alpha ? "32 bits" : "24 bits");
    const auto decoded = DecodeTga(TopRedBottomBlue().ToTga(alpha));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 3);
    const int bytes = alpha ? 4 : 3;
    EXPECT_EQ(decoded->pixels[2], 255) << "first stored row is blue";
    EXPECT_EQ(decoded->pixels[decoded->pixels.size() - bytes], 255) << "last stored row is red";
    if (alpha) {
      EXPECT_EQ(decoded->pixels.back(), 128);
    }
  }
}

TEST(RgbaImage, AJpegAlsoStoresTheBottomRowFirst) {
  const auto decoded = DecodeJpeg(TopRedBottomBlue().ToJpeg(95));
  ASSERT_TRUE(decoded);
  EXPECT_GT(decoded->pixels[2], 200) << "first stored row is blue";
  EXPECT_GT(decoded->pixels[decoded->pixels.size() - 3], 200) << "last stored row is red";
}

TEST(RgbaImage, BlendingLaysColourOverWhatIsThere) {
  RgbaImage image(1, 1, {0, 0, 0, 255});
  image.Blend(0, 0, {255, 255, 255, 255}, 0.5f);
  EXPECT_NEAR(image.At(0, 0)[0], 128, 1);
  EXPECT_EQ(image.At(0, 0)[3], 255);
  image.Blend(5, 5, {255, 0, 0, 255});  // outside: ignored
}

TEST(TextRaster, DrawsInkAndMeasuresWidths) {
  TextRaster text(24);
  EXPECT_GT(text.TextWidth("WW"), text.TextWidth("ii"));
  EXPECT_GT(text.Render(0x2013).width, 0) << "the en dash has a glyph";
  RgbaImage image(64, 32);
  text.Draw(image, 2, 24, "Ok", {255, 255, 255, 255});
  int inked = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) {
      inked += image.At(x, y)[3] > 128;
    }
  }
  EXPECT_GT(inked, 40);
}

TEST(SkinAtlas, CellsTileTheSkinFromTheTopLeft) {
  EXPECT_EQ(SkinAtlas::PixelCorner(SkinAtlas::kBlue), (std::array<int, 2>{192, 0}));
  EXPECT_EQ(SkinAtlas::PixelCorner(SkinAtlas::kMarker), (std::array<int, 2>{0, 64}));
  const auto yellow = SkinAtlas::TextureRect(SkinAtlas::kYellow);
  EXPECT_GT(yellow[3], 0.99f) << "the top row of cells is at the top of a TGA's t range";
  EXPECT_NEAR(yellow[1], 0.75f, 0.01f);
}

}  // namespace
