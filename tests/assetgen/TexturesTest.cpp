// The generated textures as the game will meet them: every name it asks for,
// decoded by its own decoders, the font measured the way the game measures
// it, and the arrows seen through the game's camera.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "assetgen/FontSheet.h"
#include "assetgen/SkinAtlas.h"
#include "assetgen/Textures.h"
#include "gfx/JpegDecode.h"
#include "gfx/OCamera.h"
#include "gfx/OClip.h"
#include "gfx/TextureTest.h"
#include "gfx/TgaDecode.h"

namespace {

using Textures = std::map<std::string, std::vector<std::uint8_t>>;

const Textures& Generated() {
  static const Textures textures = [] {
    Textures byName;
    for (auto& [name, bytes] : MakeTextures()) {
      byName.emplace(name, std::move(bytes));
    }
    return byName;
  }();
  return textures;
}

std::optional<ODecodedImage> Decode(const std::string& name) {
  const auto& bytes = Generated().at(name);
  return name.find(".jpg") != std::string::npos ? DecodeJpeg(bytes) : DecodeTga(bytes);
}

bool PowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

// Alpha of the texel at (x, y) counted from the picture's top-left, for a TGA
// the game stores bottom row first.
std::uint8_t AlphaFromTop(const ODecodedImage& image, int x, int y) {
  return image.pixels[(static_cast<std::size_t>(image.height - 1 - y) * image.width + x) * 4 + 3];
}

TEST(Textures, EveryTextureTheGameLoadsDecodesWithPowerOfTwoSides) {
  struct Wanted {
    const char* name;
    int components;  // 4 where the game blends with the texture's alpha
  };
  const Wanted wanted[] = {
      {"Loading.jpg", 3},
      {"Font.Tga", 4},
      {"Cursor.Tga", 4},
      {"Menu.jpg", 3},
      {"gametypebright.jpg", 3},
      {"nongameback.jpg", 3},
      {"brightgameback.jpg", 3},
      {"LeftArrow.Tga", 4},
      {"RightArrow.Tga", 4},
      {"Lump.tga", 4},
      {"col.tga", 3},
      {"scr.tga", 3},
      {"wea.tga", 3},
      {"dom.tga", 3},
      {"tex.tga", 3},
      {"Icon.Tga", 4},
  };
  std::set<std::string> named;
  for (const Wanted& texture : wanted) {
    SCOPED_TRACE(texture.name);
    named.insert(texture.name);
    ASSERT_TRUE(Generated().contains(texture.name));
    const auto image = Decode(texture.name);
    ASSERT_TRUE(image);
    EXPECT_TRUE(PowerOfTwo(image->width) && PowerOfTwo(image->height))
        << image->width << " x " << image->height;
    EXPECT_EQ(image->components, texture.components);
  }
  EXPECT_EQ(named.size(), Generated().size()) << "a texture nobody asks for";

  const auto font = Decode("Font.Tga");
  EXPECT_EQ(font->width, 512);
  EXPECT_EQ(font->height, 256);
  for (const char* skin : {"col.tga", "scr.tga", "wea.tga", "dom.tga", "tex.tga"}) {
    SCOPED_TRACE(skin);
    EXPECT_EQ(Decode(skin)->width, SkinAtlas::kSize);
    EXPECT_EQ(Decode(skin)->height, SkinAtlas::kSize);
  }
  for (const char* arrow : {"LeftArrow.Tga", "RightArrow.Tga"}) {
    SCOPED_TRACE(arrow);
    const auto sheet = Decode(arrow);
    EXPECT_EQ(sheet->height % 64, 0);
    EXPECT_TRUE(PowerOfTwo(sheet->width / 64)) << "the sprite takes the column as frame AND (columns - 1)";
  }
}

TEST(Textures, TwoRunsGiveTheSameBytes) {
  const auto again = MakeTextures();
  ASSERT_EQ(again.size(), Generated().size());
  for (const auto& [name, bytes] : again) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(Generated().at(name) == bytes);
  }
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

TEST(Textures, BackgroundsLeaveWhiteAndYellowTextReadable) {
  // Yellow is the lighter of the two text colours that the screens draw over
  // their backgrounds; a contrast of 4.5 to 1 is what body text needs.
  const double yellow = 0.9278;
  const double brightestAllowed = (yellow + 0.05) / 4.5 - 0.05;
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

TEST(Textures, SpritesKeepTheirInkAwayFromTheirEdges) {
  {
    SCOPED_TRACE("a spark is a white blob with no visible square around it");
    const auto spark = Decode("Lump.tga");
    for (int i = 0; i < spark->width; ++i) {
      EXPECT_EQ(AlphaFromTop(*spark, i, 0), 0);
      EXPECT_EQ(AlphaFromTop(*spark, 0, i), 0);
    }
    EXPECT_GT(AlphaFromTop(*spark, spark->width / 2, spark->height / 2), 200);
    EXPECT_EQ(spark->pixels[0], 255) << "white, so the explosion's colour tints it";
  }
  {
    SCOPED_TRACE("arrow frames do not bleed into each other when filtered");
    for (const char* name : {"LeftArrow.Tga", "RightArrow.Tga"}) {
      SCOPED_TRACE(name);
      const auto sheet = Decode(name);
      int inkAtFrameEdges = 0;
      for (int y = 0; y < sheet->height; ++y) {
        for (int x = 0; x < sheet->width; ++x) {
          const bool edge = x % 64 == 0 || x % 64 == 63 || y % 64 == 0 || y % 64 == 63;
          inkAtFrameEdges += edge && AlphaFromTop(*sheet, x, y) > 8;
        }
      }
      EXPECT_EQ(inkAtFrameEdges, 0);
    }
  }
  {
    SCOPED_TRACE("the game puts the mouse point at the cursor picture's top-left corner");
    const auto cursor = Decode("Cursor.Tga");
    EXPECT_GT(AlphaFromTop(*cursor, 4, 4), 200) << "the tip";
    EXPECT_EQ(AlphaFromTop(*cursor, cursor->width - 2, 2), 0);
    EXPECT_EQ(AlphaFromTop(*cursor, 2, cursor->height - 2), 0);
  }
}

// What the game does on its first load of the font: the advance of a cell is
// one past its rightmost column with any alpha, or 12 when it has no ink.
class MeasuredFont {
 public:
  MeasuredFont() : image_(*DecodeTga(Generated().at("Font.Tga"))) {}

  int Width(unsigned char code) const {
    const auto [x0, y0] = CellCorner(code);
    for (int x = 31; x >= 0; --x) {
      for (int y = 0; y < 32; ++y) {
        if (AlphaFromTop(image_, x0 + x, y0 + y) != 0) {
          return x + 1;
        }
      }
    }
    return 12;
  }

  int TextWidth(const std::string& text) const {
    int width = 0;
    for (const char c : text) {
      width += Width(static_cast<unsigned char>(c));
    }
    return width;
  }

  // The lowest inked row of a cell, counted from its top; -1 when empty.
  int LowestInk(unsigned char code) const {
    const auto [x0, y0] = CellCorner(code);
    for (int y = 31; y >= 0; --y) {
      for (int x = 0; x < 32; ++x) {
        if (AlphaFromTop(image_, x0 + x, y0 + y) > 128) {
          return y;
        }
      }
    }
    return -1;
  }

  bool TouchesCellEdge(unsigned char code) const {
    const auto [x0, y0] = CellCorner(code);
    for (int i = 0; i < 32; ++i) {
      if (AlphaFromTop(image_, x0 + i, y0) != 0 || AlphaFromTop(image_, x0 + i, y0 + 31) != 0 ||
          AlphaFromTop(image_, x0, y0 + i) != 0) {
        return true;
      }
    }
    return false;
  }

 private:
  static std::array<int, 2> CellCorner(unsigned char code) {
    return {(code - 32) % 16 * 32, (code - 32) / 16 * 32};
  }

  ODecodedImage image_;
};

TEST(Textures, TheFontMeasuresLikeTextAndKeepsItsGlyphsInTheirCells) {
  const MeasuredFont font;
  EXPECT_LT(font.Width('i'), font.Width('W'));
  EXPECT_LT(font.Width('.'), font.Width('m'));
  EXPECT_EQ(font.Width(' '), 12) << "a space has no ink, so the game gives it its default width";
  EXPECT_GT(font.TextWidth("Level 10"), font.TextWidth("Level 1"));
  // Lines the screens draw from near the left edge at a fixed scale must fit
  // in the 512 units of the screen.
  EXPECT_LT(10 + 0.7 * font.TextWidth("Use Left and Right mouse buttons for control"), 512);
  EXPECT_LT(10 + 1.4 * font.TextWidth("Strategy mode"), 512);

  for (int code = 33; code <= 126; ++code) {
    SCOPED_TRACE(static_cast<char>(code));
    EXPECT_GT(font.LowestInk(static_cast<unsigned char>(code)), 0) << "every printable character has ink";
    EXPECT_FALSE(font.TouchesCellEdge(static_cast<unsigned char>(code)))
        << "ink on the cell's edge is cut off or bleeds into the neighbour";
  }
  EXPECT_GT(font.LowestInk(150), 0) << "the help pages write the en dash as byte 150";
  EXPECT_LT(font.Width(150), font.Width(151)) << "en dash narrower than em dash";
  EXPECT_EQ(font.LowestInk(127), -1);
  EXPECT_EQ(font.LowestInk(0x81), -1) << "unused in Windows-1252";

  // Letters without descenders all stand on the same baseline.
  const int baseline = font.LowestInk('H');
  for (const char letter : {'a', 'x', 'E', '1', 'z'}) {
    SCOPED_TRACE(letter);
    EXPECT_NEAR(font.LowestInk(static_cast<unsigned char>(letter)), baseline, 1);
  }
  EXPECT_GT(font.LowestInk('g'), baseline + 3);
}

TEST(Textures, TheSymbolSkinTellsColoursApartInGrey) {
  const auto skin = Decode("dom.tga");
  ASSERT_TRUE(skin);
  // Each block cell as grey levels; every two of them must differ in shape or
  // lightness over a good part of the cell.
  auto grey = [&](int cell) {
    std::vector<int> levels;
    const auto [x0, y0] = SkinAtlas::PixelCorner(cell);
    for (int y = y0; y < y0 + SkinAtlas::kCellSize; ++y) {
      for (int x = x0; x < x0 + SkinAtlas::kCellSize; ++x) {
        const std::uint8_t* p =
            &skin->pixels[(static_cast<std::size_t>(skin->height - 1 - y) * skin->width + x) * 3];
        levels.push_back((p[0] * 3 + p[1] * 6 + p[2]) / 10);
      }
    }
    return levels;
  };
  const int cells[] = {SkinAtlas::kYellow, SkinAtlas::kGreen, SkinAtlas::kRed, SkinAtlas::kBlue};
  for (int a = 0; a < 4; ++a) {
    for (int b = a + 1; b < 4; ++b) {
      SCOPED_TRACE(std::to_string(a) + " against " + std::to_string(b));
      const auto first = grey(cells[a]);
      const auto second = grey(cells[b]);
      int different = 0;
      for (std::size_t i = 0; i < first.size(); ++i) {
        different += std::abs(first[i] - second[i]) > 24;
      }
      EXPECT_GT(different, static_cast<int>(first.size()) / 8);
    }
  }
}

// The arrows are shown by a sprite turned to face the game's camera, which
// stands at (0, 0, -64) and looks at the origin. Whatever that does to left and
// right, the left arrow must point left on the screen.
class ArrowOnScreenTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(context_.Ok()) << context_.Error(); }

  // For each half of the screen, the tallest column of arrow ink: the head is
  // taller than the shaft, so the taller half is where the arrow points.
  std::array<int, 2> TallestColumnPerHalf(const std::string& name) {
    TextureArchive archive({{name, Generated().at(name)}});
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

    std::array<int, 2> tallest{};
    for (int x = 0; x < kSize; ++x) {
      int inked = 0;
      for (int y = 0; y < kSize; ++y) {
        inked += context_.PixelAt(x, y)[0] > 120;
      }
      int& half = tallest[x < kSize / 2 ? 0 : 1];
      half = std::max(half, inked);
    }
    return tallest;
  }

  static constexpr int kSize = 128;
  GLTestContext context_{kSize, kSize};
};

TEST_F(ArrowOnScreenTest, EachArrowPointsTheWayItsNameSays) {
  const auto left = TallestColumnPerHalf("LeftArrow.Tga");
  EXPECT_GT(left[0], left[1] + 10) << "the left arrow's head is on the left of the screen";
  const auto right = TallestColumnPerHalf("RightArrow.Tga");
  EXPECT_GT(right[1], right[0] + 10) << "the right arrow's head is on the right of the screen";
}

}  // namespace
