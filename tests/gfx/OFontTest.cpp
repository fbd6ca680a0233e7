// The bitmap font: advances measured from the ink of each cell, strings
// measured and hit-tested with them, and text drawn where it belongs with its
// shadow one unit right and down. Also the generated font the game ships.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TextureTest.h"
#include "app/OException.h"
#include "assetgen/FontSheet.h"
#include "assetgen/RgbaImage.h"
#include "gfx/OFont.h"
#include "gfx/OTText.h"

namespace {

constexpr int kCell = OFont::kCellSize;
// Yellow text over a blue clear colour; the shadow is black.
constexpr float kYellow[4] = {1.0f, 1.0f, 0.0f, 1.0f};

// Sets full alpha over columns left..right and rows top..bottom of the cell of
// `code`, counted from the cell's top left.
void Ink(RgbaImage& sheet, int code, int left, int top, int right, int bottom) {
  const int cellX = (code - OFont::kFirstCode) % 16 * kCell;
  const int cellY = (code - OFont::kFirstCode) / 16 * kCell;
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      sheet.At(cellX + x, cellY + y)[3] = 255;
    }
  }
}

// 'H' is a solid 8 x 8 block: at scale 1 under a 16-unit projection of the
// 64-pixel context it covers pixels 15.5 to 46.5 both ways.
RgbaImage TestSheet(int rightmostInkOfA = 20) {
  RgbaImage sheet(512, 256, {255, 255, 255, 0});
  Ink(sheet, 'A', 3, 31, rightmostInkOfA, 31);
  Ink(sheet, 'B', 0, 5, 0, 5);
  Ink(sheet, '!', 31, 0, 31, 0);
  Ink(sheet, 159, 4, 16, 4, 16);
  Ink(sheet, 'H', 4, 20, 11, 27);
  return sheet;
}

class OFontTest : public TextureTest {
 protected:
  void SetUp() override {
    TextureTest::SetUp();
    // Nearest filtering keeps the glyphs' edges on whole texels.
    manager_.SetFilterMode(0);
  }

  // 1 unit is 4 pixels; the clear colour is blue.
  static void StartPicture() {
    glViewport(0, 0, 64, 64);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 16, 0, 16, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
  }

  bool Is(int x, int y, char letter) { return ColourNear(context_.PixelAt(x, y), letter, 8); }
};

TEST_F(OFontTest, MeasuresEachCellUpToItsRightmostInk) {
  TextureArchive archive({{"Font.Tga", TestSheet().ToTga(true)}});
  OFont font("Font.Tga");
  ASSERT_TRUE(font.Load());
  EXPECT_EQ(font.TextWidth("A"), 21);
  EXPECT_EQ(font.TextWidth("B"), 1) << "ink in the first column";
  EXPECT_EQ(font.TextWidth("!"), 32) << "ink in the last column";
  EXPECT_EQ(font.TextWidth(" "), 12) << "a cell without ink";
  // The top row of the picture holds the first sixteen codes: the last cell's
  // ink must not be read as the ink of the cell seven rows above it.
  EXPECT_EQ(font.TextWidth("\x9f"), 5);
  EXPECT_EQ(font.TextWidth("/"), 12);
  EXPECT_EQ(font.TextWidth("\xc8"), 10) << "codes past the sheet keep the fixed advance";
}

TEST_F(OFontTest, WidthsAndPositionsAddWholeAdvances) {
  TextureArchive archive({{"Font.Tga", TestSheet().ToTga(true)}});
  OFont font("Font.Tga");
  ASSERT_TRUE(font.Load());
  EXPECT_EQ(font.TextWidth(""), 0);
  EXPECT_EQ(font.TextWidth("AB!"), 54);
  EXPECT_EQ(font.TextWidth("A\tB\n"), 22) << "control characters have no cell and no width";

  const struct {
    int x;
    std::size_t index;
  } cases[] = {{-5, 0}, {0, 0}, {20, 0}, {21, 1}, {22, 2}, {53, 2}, {54, 3}, {1000, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(font.CharIndexAt("AB!", c.x), c.index);
  }
  EXPECT_EQ(font.CharIndexAt("", 0), 0u);
}

TEST_F(OFontTest, DrawsTextWithItsShadowOneUnitRightAndDown) {
  TextureArchive archive({{"Font.Tga", TestSheet().ToTga(true)}});
  OFont font("Font.Tga");
  ASSERT_TRUE(font.Load());
  font.colour = OColor4(kYellow[0], kYellow[1], kYellow[2], kYellow[3]);

  StartPicture();
  font.DrawText(0, 0, "H", true, 1.0f);
  EXPECT_TRUE(Is(31, 31, 'Y'));
  EXPECT_TRUE(Is(48, 30, 'K')) << "shadow right of the glyph";
  EXPECT_TRUE(Is(30, 13, 'K')) << "shadow below the glyph";
  EXPECT_TRUE(Is(17, 13, 'B')) << "left of the shadow, below the glyph";
  EXPECT_TRUE(Is(48, 45, 'B')) << "above the shadow, right of the glyph";
  EXPECT_FALSE(glIsEnabled(GL_BLEND));

  StartPicture();
  font.DrawText(2, 1, "H", false, 1.0f);
  EXPECT_TRUE(Is(31 + 8, 31 + 4, 'Y'));
  EXPECT_TRUE(Is(15 + 8, 15 + 4, 'Y')) << "the glyph moves with the position";
  EXPECT_TRUE(Is(48 + 8, 30 + 4, 'B')) << "no shadow";
}

TEST_F(OFontTest, DrawsACountedPartOfTheTextInRedWhenHighlighted) {
  TextureArchive archive({{"Font.Tga", TestSheet().ToTga(true)}});
  OFont font("Font.Tga");
  ASSERT_TRUE(font.Load());
  font.colour = OColor4(kYellow[0], kYellow[1], kYellow[2], kYellow[3]);
  // At scale 0.5 the first block covers pixels 7.75 to 23.25, the second
  // starts 12 half units = 24 pixels further right.
  StartPicture();
  font.DrawCounted(1, "HH", false, false, 0.5f);
  EXPECT_TRUE(Is(15, 15, 'Y'));
  EXPECT_TRUE(Is(39, 15, 'B')) << "only the counted characters";

  StartPicture();
  font.DrawCounted(9, "HH", false, true, 0.5f);
  EXPECT_TRUE(Is(39, 15, 'Y')) << "a count past the end draws the whole text";
  EXPECT_TRUE(Is(24, 6, 'K')) << "shadow half a unit right and down";

  StartPicture();
  font.DrawCounted(2, "HH", true, true, 0.5f);
  EXPECT_TRUE(Is(15, 15, 'R'));
  EXPECT_TRUE(Is(24, 6, 'B')) << "highlighted text has no shadow";
  GLfloat current[4];
  glGetFloatv(GL_CURRENT_COLOR, current);
  EXPECT_FLOAT_EQ(current[1], 1.0f) << "the font colour is current again";
}

TEST_F(OFontTest, ATextObjectOfSize32DrawsGlyphsAtCellSize) {
  TextureArchive archive({{"Font.Tga", TestSheet().ToTga(true)}});
  OFont font("Font.Tga");
  ASSERT_TRUE(font.Load());
  OTText full(&font, OColor4(kYellow[0], kYellow[1], kYellow[2], kYellow[3]), "H", 32.0f);
  OTText half(&font, OColor4(1, 0, 0, 1), "H", 16.0f);

  StartPicture();
  full.Draw();
  EXPECT_TRUE(Is(17, 17, 'Y'));
  EXPECT_TRUE(Is(45, 45, 'Y'));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));

  StartPicture();
  half.transform[12] = 4.0f;
  half.Draw();
  EXPECT_TRUE(Is(15 + 16, 15, 'R'));
  EXPECT_TRUE(Is(45, 45, 'B'));
  EXPECT_TRUE(Is(15, 15, 'B')) << "placed by its transform";
}

TEST_F(OFontTest, AMissingTextureThrows) {
  TextureArchive archive({});
  OFont font("Font.Tga");
  EXPECT_THROW(font.Load(), OFileNotFound);
}

// The display-mode change: lists and texture go with the old context, the
// font is loaded again in the new one and keeps the widths it measured first.
TEST(OFontReload, DrawsAgainInANewContextWithTheFirstWidths) {
  OTextureManager& manager = OTextureManager::Instance();
  const std::uint32_t savedMode = manager.FilterMode();
  manager.SetFilterMode(0);
  OFont font("Font.Tga");
  {
    TextureArchive archive({{"Font.Tga", TestSheet().ToTga(true)}});
    GLTestContext first(64, 64);
    ASSERT_TRUE(first.Ok()) << first.Error();
    ASSERT_TRUE(font.Load());
    manager.DeleteAllTextures();
    font.Unload();
  }
  TextureArchive archive({{"Font.Tga", TestSheet(5).ToTga(true)}});
  GLTestContext second(64, 64);
  ASSERT_TRUE(second.Ok()) << second.Error();
  ASSERT_TRUE(font.Load());
  EXPECT_EQ(font.TextWidth("A"), 21) << "widths are measured on the first load only";

  glMatrixMode(GL_PROJECTION);
  glOrtho(0, 16, 0, 16, -1, 1);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_TEXTURE_2D);
  font.DrawText(0, 0, "H", false, 1.0f);
  EXPECT_TRUE(ColourNear(second.PixelAt(31, 31), 'W', 8));
  EXPECT_TRUE(ColourNear(second.PixelAt(50, 50), 'K', 8));
  font.Unload();
  manager.SetFilterMode(savedMode);
}

TEST_F(OFontTest, TheGeneratedFontHasAGlyphForEveryPrintableCharacter) {
  TextureArchive archive({{"Font.Tga", FontSheet::Make().ToTga(true)}});
  OFont font("Font.Tga");
  ASSERT_TRUE(font.Load());
  EXPECT_EQ(font.TextWidth(" "), 12);
  for (char c = '!'; c <= '~'; ++c) {
    SCOPED_TRACE(std::string(1, c));
    // The sheet keeps each cell's outer columns clear for filtering.
    EXPECT_GE(font.TextWidth(std::string(1, c)), 2);
    EXPECT_LE(font.TextWidth(std::string(1, c)), kCell - 1);
  }
  EXPECT_GT(font.TextWidth("W"), font.TextWidth("i"));

  // 1 unit is 1 pixel: the text at half size stands in its box above (2, 20).
  glMatrixMode(GL_PROJECTION);
  glOrtho(0, 64, 0, 64, -1, 1);
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_TEXTURE_2D);
  font.colour = OColor4(kYellow[0], kYellow[1], kYellow[2], kYellow[3]);
  font.DrawText(2, 20, "Tornet", false, 0.5f);
  const int right = 2 + font.TextWidth("Tornet") / 2 + 2;
  int inked = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      if (!Is(x, y, 'B')) {
        ++inked;
        EXPECT_TRUE(x >= 2 && x <= right && y >= 20 && y <= 20 + kCell / 2) << x << "," << y;
      }
    }
  }
  EXPECT_GT(inked, 40);
}

}  // namespace
