// The bitmap font: advances measured from the ink of each cell, strings
// measured with them, and text drawn where it belongs with its shadow.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "TextureTest.h"
#include "assetgen/RgbaImage.h"
#include "core/OException.h"
#include "gfx/OFont.h"

namespace {

const OColor4 kYellow(1, 1, 0, 1);

// Full alpha over columns left..right and rows top..bottom of the cell of `code`.
void Ink(RgbaImage& sheet, int code, int left, int top, int right, int bottom) {
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      sheet.At((code - 32) % 16 * 32 + x, (code - 32) / 16 * 32 + y)[3] = 255;
    }
  }
}

// 'H' is a solid block: at scale 1, with 4 pixels to the unit, it covers
// pixels 15.5 to 46.5 both ways.
Bytes TestFont(int rightmostInkOfA = 20) {
  RgbaImage sheet(512, 256, {255, 255, 255, 0});
  Ink(sheet, 'A', 3, 31, rightmostInkOfA, 31);
  Ink(sheet, 'B', 0, 5, 0, 5);
  Ink(sheet, '!', 31, 0, 31, 0);
  Ink(sheet, 159, 4, 16, 4, 16);
  Ink(sheet, 'H', 4, 20, 11, 27);
  Ink(sheet, '?', 4, 4, 13, 11);
  Ink(sheet, 'P', 0, 8, 1, 15);
  return sheet.ToTga(true);
}

// A blue picture in which one unit is four pixels.
void StartPicture() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 16, 0, 16, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_TEXTURE_2D);
}

class OFontTest : public TextureTest {
 protected:
  void SetUp() override {
    TextureTest::SetUp();
    manager_.SetFilterMode(0);  // glyph edges on whole texels
    ASSERT_TRUE(font_.Load());
    font_.colour = kYellow;
    StartPicture();
  }
  void TearDown() override {
    font_.Unload();
    TextureTest::TearDown();
  }
  bool Is(int x, int y, char letter) { return ColourNear(context_.PixelAt(x, y), letter, 8); }

  TextureArchive archive_{{{"Font.Tga", TestFont()}}};
  OFont font_{"Font.Tga"};
};

TEST_F(OFontTest, MeasuresEachCellUpToItsRightmostInkAndAddsWholeAdvances) {
  EXPECT_EQ(font_.TextWidth("A"), 21);
  EXPECT_EQ(font_.TextWidth("B"), 1);
  EXPECT_EQ(font_.TextWidth("!"), 32);
  EXPECT_EQ(font_.TextWidth(" "), 12) << "a cell without ink";
  // The last cell's ink must not be read as that of the cell seven rows above.
  EXPECT_EQ(font_.TextWidth("\x9f"), 5);
  EXPECT_EQ(font_.TextWidth("/"), 12);
  EXPECT_EQ(font_.TextWidth("\xa0\xff"), 28) << "codes past the sheet measure as '?'";
  EXPECT_EQ(font_.TextWidth(""), 0);
  EXPECT_EQ(font_.TextWidth("A\tB\n"), 22) << "control characters have no cell and no width";

  const struct {
    int x;
    std::size_t index;
  } cases[] = {{-5, 0}, {0, 0}, {20, 0}, {21, 1}, {22, 2}, {53, 2}, {54, 3}, {1000, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(font_.CharIndexAt("AB!", c.x), c.index);
  }
  EXPECT_EQ(font_.CharIndexAt("", 0), 0u);
}

TEST_F(OFontTest, DrawsTextWithItsShadowOneUnitRightAndDown) {
  font_.DrawText(0, 0, "H", true, 1.0f);
  EXPECT_TRUE(Is(31, 31, 'Y'));
  EXPECT_TRUE(Is(48, 30, 'K')) << "shadow right of the glyph";
  EXPECT_TRUE(Is(30, 13, 'K')) << "shadow below the glyph";
  EXPECT_TRUE(Is(17, 13, 'B') && Is(48, 45, 'B')) << "beside both";

  StartPicture();
  font_.DrawText(2, 1, "H", false, 1.0f);
  EXPECT_TRUE(Is(15 + 8, 15 + 4, 'Y')) << "moved with the position";
  EXPECT_TRUE(Is(48 + 8, 30 + 4, 'B')) << "no shadow";
}

// At scale 0.5 the first 'H' covers pixels 7.75 to 23.25, the second starts
// 24 pixels further right, and the shadow is 2 pixels off.
TEST_F(OFontTest, DrawsACountedPartOfTheTextInRedWhenHighlighted) {
  font_.DrawCounted(1, "HH", false, true, 0.5f);
  EXPECT_TRUE(Is(15, 15, 'Y') && Is(24, 6, 'K'));
  EXPECT_TRUE(Is(39, 15, 'B')) << "only the counted characters";
  StartPicture();
  font_.DrawCounted(9, "HH", true, true, 0.5f);
  EXPECT_TRUE(Is(15, 15, 'R') && Is(39, 15, 'R')) << "a count past the end draws the whole text";
  EXPECT_TRUE(Is(24, 6, 'B')) << "no shadow under highlighted text";
  // Code 200 has no cell of its own and shows as '?', inked high in its cell,
  // not as 'H', whose cell it would wrap round to.
  StartPicture();
  font_.DrawCounted(1, "\xc8", false, false, 0.5f);
  EXPECT_TRUE(Is(15, 46, 'Y') && Is(15, 15, 'B'));
}

// How the font has always drawn a glyph: its whole cell on a quad one unit
// short of 32, the pen moved on by each advance.
void DrawWholeCells(const OFont& font, std::string_view text, float scale) {
  glPushMatrix();
  glScalef(scale, scale, scale);
  for (const char character : text) {
    const int cell = static_cast<unsigned char>(character) - 32;
    const float s = static_cast<float>(cell % 16) / 16;
    const float t = 1.0f - static_cast<float>(cell / 16) / 8 - 1.0f / 8;
    glBegin(GL_QUADS);
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}}) {
      glTexCoord2f(s + static_cast<float>(x) / 16, t + static_cast<float>(y) / 8);
      glVertex2i(31 * x, 31 * y);
    }
    glEnd();
    glTranslatef(font.TextWidth(std::string(1, character)), 0, 0);
  }
  glPopMatrix();
}

// The font cuts each glyph's quad down to where ink can show, its own or a
// neighbouring cell's filtered across the edge, for the mip levels the text
// is sampled at; the picture must stay what whole cells draw. 'B' is inked at
// its cell's left edge, '1' lies under the ink on the bottom edge of 'A',
// '"' beside the ink on the right edge of '!'; as the sheet repeats, code 145
// at its bottom lies under that ink, and '_' at its right edge beside the ink
// at the left of 'P'.
TEST_F(OFontTest, ShowsWhatWholeCellsShowAtEverySize) {
  // Cells that show their neighbours' ink, ink at a cell's own edge, and solid
  // blocks at as many offsets from the pixel grid.
  const std::string edges = std::string("_1\"\x91") + "B!";
  const std::string blocks = "HHHHHH";
  const struct {
    const char* name;
    std::uint32_t filterMode;
    float pixelsPerUnit;
    float turn;
    float squash;
    std::string text;
  } cases[] = {
      {"magnified, nearest texel", 0, 1.5f, 0, 1, "AB"},
      {"magnified, mipmaps", 10, 1.5f, 0, 1, "AB"},
      {"between levels 0 and 1", 10, 0.75f, 0, 1, edges + blocks},
      {"between levels 1 and 2", 10, 0.35f, 0, 1, edges + blocks},
      {"smaller still", 10, 0.2f, 0, 1, edges + blocks},
      {"turned", 10, 1.0f, 30, 1, edges},
      {"squashed to level 2", 10, 0.6f, 0, 0.5f, edges + blocks},
  };
  OTexture sheet;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    font_.Unload();
    manager_.SetFilterMode(c.filterMode);
    ASSERT_TRUE(font_.Load());
    sheet.Set("Font.Tga");
    std::vector<std::uint8_t> pictures[2];
    for (int whole = 0; whole < 2; ++whole) {
      StartPicture();
      // A unit a pixel, and off the pixel grid: with texel edges on pixel
      // centres, nearest filtering picks either side as rounding falls.
      glScalef(0.25f, 0.25f, 1);
      glTranslatef(2.3f, 20.3f, 0);
      glRotatef(c.turn, 0, 0, 1);
      glScalef(1, c.squash, 1);
      if (whole == 0) {
        font_.DrawCounted(99, c.text, false, false, c.pixelsPerUnit);
      } else {
        sheet.Bind();
        glEnable(GL_BLEND);
        glColor4f(1, 1, 0, 1);
        DrawWholeCells(font_, c.text, c.pixelsPerUnit);
        glDisable(GL_BLEND);
      }
      pictures[whole] = context_.ReadPixels();
    }
    int worst = 0;
    for (std::size_t i = 0; i < pictures[0].size(); ++i) {
      worst = std::max(worst, std::abs(pictures[0][i] - pictures[1][i]));
    }
    EXPECT_LE(worst, 1) << "a step more than rounding";
    sheet.Clear();
  }
}

using OFontWithoutTexture = GLTest;

TEST_F(OFontWithoutTexture, ThrowsOnLoadingAndDrawsNothing) {
  TextureArchive archive({});
  OFont font("Font.Tga");
  EXPECT_THROW(font.Load(), OFileNotFound);
  StartPicture();
  font.DrawText(0, 0, "A", false, 1.0f);
  EXPECT_TRUE(ColourNear(context_.PixelAt(32, 32), 'B', 8));
}

// A display-mode change: the texture goes with the old context, and the
// font loads again in the new one, keeping the widths it measured first.
TEST(OFont, DrawsAgainInANewContextWithTheFirstWidths) {
  OTextureManager& manager = OTextureManager::Instance();
  const std::uint32_t savedMode = manager.FilterMode();
  manager.SetFilterMode(0);
  OFont font("Font.Tga");
  {
    TextureArchive archive({{"Font.Tga", TestFont()}});
    GLTestContext first(64, 64);
    ASSERT_TRUE(first.Ok()) << first.Error();
    ASSERT_TRUE(font.Load());
    manager.DeleteAllTextures();
    font.Unload();
  }
  TextureArchive archive({{"Font.Tga", TestFont(5)}});
  GLTestContext second(64, 64);
  ASSERT_TRUE(second.Ok()) << second.Error();
  ASSERT_TRUE(font.Load());
  EXPECT_EQ(font.TextWidth("A"), 21) << "measured on the first load only";
  StartPicture();
  font.DrawText(0, 0, "H", false, 1.0f);
  EXPECT_TRUE(ColourNear(second.PixelAt(31, 31), 'W', 8));
  font.Unload();
  manager.SetFilterMode(savedMode);
}

}  // namespace
