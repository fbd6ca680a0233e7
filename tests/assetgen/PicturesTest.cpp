// The generated textures as the game will meet them: every name it asks for,
// decoded by its own decoders, text readable over the backgrounds, sprites
// without visible edges, the font measured by the game's own font, and the
// arrows seen through the game's camera.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "Assets.h"
#include "gfx/JpegDecode.h"
#include "gfx/OCamera.h"
#include "gfx/OClip.h"
#include "gfx/OFont.h"
#include "gfx/TextureTest.h"
#include "gfx/TgaDecode.h"

namespace {

std::optional<ODecodedImage> Decode(const std::string& name) {
  const auto& bytes = Member("Data/Textures/" + name);
  return name.ends_with(".jpg") ? DecodeJpeg(bytes) : DecodeTga(bytes);
}

bool PowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

// Alpha of the texel at (x, y) counted from the picture's top-left, for a TGA
// the game stores bottom row first.
std::uint8_t AlphaFromTop(const ODecodedImage& image, int x, int y) {
  return image.pixels[(static_cast<std::size_t>(image.height - 1 - y) * image.width + x) * 4 + 3];
}

TEST(Pictures, EveryTextureTheGameLoadsDecodesWithPowerOfTwoSides) {
  const struct {
    const char* name;
    int components;  // 4 where the game blends with the texture's alpha
  } wanted[] = {
      {"Loading.jpg", 3},   {"Font.Tga", 4},       {"Cursor.Tga", 4},         {"Menu.jpg", 3},
      {"gametypebright.jpg", 3}, {"nongameback.jpg", 3}, {"brightgameback.jpg", 3}, {"LeftArrow.Tga", 4},
      {"RightArrow.Tga", 4}, {"Lump.tga", 4},      {"col.tga", 3},            {"scr.tga", 3},
      {"wea.tga", 3},       {"dom.tga", 3},        {"tex.tga", 3},            {"Icon.Tga", 4},
  };
  for (const auto& texture : wanted) {
    SCOPED_TRACE(texture.name);
    const auto image = Decode(texture.name);
    ASSERT_TRUE(image);
    EXPECT_TRUE(PowerOfTwo(image->width) && PowerOfTwo(image->height)) << image->width << " x " << image->height;
    EXPECT_EQ(image->components, texture.components);
  }
  EXPECT_TRUE(PowerOfTwo(Decode("LeftArrow.Tga")->width / 64)) << "frames in one row, a power of two of them";
}

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double Luminance(const std::uint8_t* rgb) {
  double sum = 0.0;
  const double weights[] = {0.2126, 0.7152, 0.0722};
  for (int c = 0; c < 3; ++c) {
    const double v = rgb[c] / 255.0;
    sum += weights[c] * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
  }
  return sum;
}

TEST(Pictures, BackgroundsLeaveWhiteAndYellowTextReadable) {
  // Yellow is the lighter of the two text colours; body text needs a contrast of 4.5 to 1.
  const double brightestAllowed = (0.9278 + 0.05) / 4.5 - 0.05;
  for (const char* name : {"Menu.jpg", "gametypebright.jpg", "nongameback.jpg", "brightgameback.jpg"}) {
    SCOPED_TRACE(name);
    const auto image = Decode(name);
    ASSERT_TRUE(image);
    // The menu's title fills part of its upper half, where no text goes; rows
    // are stored from the bottom up. Lone stars are allowed: what counts is
    // the light over a letter's area.
    const int rows = std::string(name) == "Menu.jpg" ? image->height / 2 : image->height;
    constexpr int kBlock = 8;
    double brightest = 0.0;
    for (int by = 0; by + kBlock <= rows; by += kBlock) {
      for (int bx = 0; bx + kBlock <= image->width; bx += kBlock) {
        double sum = 0.0;
        for (int y = by; y < by + kBlock; ++y) {
          for (int x = bx; x < bx + kBlock; ++x) {
            sum += Luminance(&image->pixels[(static_cast<std::size_t>(y) * image->width + x) * 3]);
          }
        }
        brightest = std::max(brightest, sum / (kBlock * kBlock));
      }
    }
    EXPECT_LT(brightest, brightestAllowed);
  }
}

TEST(Pictures, SpritesKeepTheirInkAwayFromTheirEdges) {
  const auto spark = Decode("Lump.tga");
  for (int i = 0; i < spark->width; ++i) {
    EXPECT_EQ(AlphaFromTop(*spark, i, 0) + AlphaFromTop(*spark, 0, i), 0) << "a square round the spark";
  }
  EXPECT_GT(AlphaFromTop(*spark, spark->width / 2, spark->height / 2), 200);
  EXPECT_EQ(spark->pixels[0], 255) << "white, so the explosion's colour tints it";

  // The game puts the mouse point at the pointer picture's top-left corner.
  const auto cursor = Decode("Cursor.Tga");
  EXPECT_GT(AlphaFromTop(*cursor, 4, 4), 200) << "the tip";
  EXPECT_EQ(AlphaFromTop(*cursor, cursor->width - 2, 2), 0);
  EXPECT_EQ(AlphaFromTop(*cursor, 2, cursor->height - 2), 0);
}

TEST(Pictures, TheFontMeasuresLikeTextAndKeepsItsGlyphsInTheirCells) {
  const auto sheet = Decode("Font.Tga");
  ASSERT_TRUE(sheet);
  // The lowest inked row of a cell from its top, -1 when empty; -2 when ink touches the cell's edge,
  // where it would be cut off or bleed into the neighbour.
  const auto lowestInk = [&](int code) {
    const int x0 = (code - 32) % 16 * 32, y0 = (code - 32) / 16 * 32;
    int lowest = -1;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const int alpha = AlphaFromTop(*sheet, x0 + x, y0 + y);
        if (alpha != 0 && (x == 0 || y == 0 || y == 31)) {
          return -2;
        }
        lowest = alpha > 128 ? y : lowest;
      }
    }
    return lowest;
  };
  for (int code = 33; code <= 126; ++code) {
    EXPECT_GT(lowestInk(code), 0) << static_cast<char>(code) << " has no ink or touches its cell's edge";
  }
  EXPECT_GT(lowestInk(150), 0) << "the help pages write the en dash as byte 150";
  EXPECT_EQ(lowestInk(127), -1);
  // Letters without descenders all stand on the same baseline.
  for (const char letter : {'a', 'x', 'E', '1', 'z'}) {
    EXPECT_NEAR(lowestInk(letter), lowestInk('H'), 1) << letter;
  }
  EXPECT_GT(lowestInk('g'), lowestInk('H') + 3);

  GLTestContext context(64, 64);
  ASSERT_TRUE(context.Ok()) << context.Error();
  TextureArchive archive({{"Font.Tga", Member("Data/Textures/Font.Tga")}});
  OFont font("Font.Tga");
  ASSERT_TRUE(font.Load());
  EXPECT_LT(font.TextWidth("i"), font.TextWidth("W"));
  EXPECT_EQ(font.TextWidth(" "), 12) << "a space has no ink, so the game gives it its default width";
  EXPECT_LT(font.TextWidth("\x96"), font.TextWidth("\x97")) << "en dash narrower than em dash";
  // Lines the screens draw from near the left edge at a fixed scale must fit in the 512 units of the screen.
  EXPECT_LT(10 + 0.7 * font.TextWidth("Use Left and Right mouse buttons for control"), 512);
  EXPECT_LT(10 + 1.4 * font.TextWidth("Strategy mode"), 512);
  font.Unload();
}

// The arrows are shown by a sprite turned to face the game's camera, which
// stands at (0, 0, -64) and looks at the origin. Whatever that does to left and
// right, the left arrow must point left on the screen: the arrow's head, taller
// than its shaft, is in the half of the screen with the tallest column of ink.
TEST(Pictures, EachArrowPointsTheWayItsNameSaysOnTheScreen) {
  constexpr int kSize = 128;
  GLTestContext context(kSize, kSize);
  ASSERT_TRUE(context.Ok()) << context.Error();
  for (const auto& [name, side] : {std::pair{"LeftArrow.Tga", 0}, {"RightArrow.Tga", 1}}) {
    SCOPED_TRACE(name);
    TextureArchive archive({{name, Member(std::string("Data/Textures/") + name)}});
    OCamera camera(kSize, kSize, 60.0f, 1.0f, 1000.0f);
    camera.transform[14] = -64.0f;
    camera.LookAt(0, 0, 0);
    camera.SetViewport(kSize, kSize);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    OClip clip;
    clip.SetTexture(name);
    clip.columns = Decode(name)->width / 64;
    clip.halfSize = 30.0f;
    clip.alpha = 1.0f;
    clip.FaceCamera(camera);
    clip.Draw();
    clip.texture->Clear();

    int tallest[2] = {0, 0};
    for (int x = 0; x < kSize; ++x) {
      int inked = 0;
      for (int y = 0; y < kSize; ++y) {
        inked += context.PixelAt(x, y)[0] > 120;
      }
      tallest[x < kSize / 2 ? 0 : 1] = std::max(tallest[x < kSize / 2 ? 0 : 1], inked);
    }
    EXPECT_GT(tallest[side], tallest[1 - side] + 10) << "the head on the named side of the screen";
  }
}

}  // namespace
