// Textures on a real GL context: which way up pictures are drawn, in a new
// context too, the filters of each quality setting, and the pictures drawn
// from them: the pointer and the sprites' frames.
#include <GL/gl.h>

#include "TextureTest.h"
#include "gfx/OBaseImage.h"
#include "gfx/OClip.h"
#include "gfx/OCursor.h"
#include "gfx/OTexture.h"

namespace {

using TexturesTest = TextureTest;

// Rows are uploaded as stored: a TGA, stored bottom row first, stands upright
// with t = 0 at the bottom; a JPEG, stored top row first, stands on its head.
// The width of three checks that rows of odd length are not skewed. After a
// display-mode change every texture comes back from its pixels in the new context.
TEST(Textures, TheFilesFirstRowIsDrawnAtTZeroInEveryContext) {
  OTextureManager& manager = OTextureManager::Instance();
  const std::uint32_t savedMode = manager.FilterMode();
  manager.SetFilterMode(0);
  const Rows colour = {"RKG", "BKY"};
  const Rows grey = {"KKW", "WKK"};
  Bytes flagged = TgaFile(colour, 32);
  flagged[17] = 0x28;  // a top-left origin: ignored, rows are never flipped
  const struct {
    const char* name;
    Bytes file;
    int tolerance;
    const char quarters[5];
  } cases[] = {
      {"Rows.tga", TgaFile(colour), 0, "RGBY"},
      {"Rows32.tga", flagged, 0, "RGBY"},
      {"Rows.jpg", JpegFile(colour, 16), 12, "RGBY"},
      {"Grey.tga", TgaFile(grey, 8), 0, "KWWK"},
      {"Grey.jpg", JpegFile(grey, 16, JpegColours::kGrey), 8, "KWWK"},
  };
  std::vector<std::pair<std::string, Bytes>> files;
  for (const auto& c : cases) {
    files.emplace_back(c.name, c.file);
  }
  TextureArchive archive(files);
  auto context = std::make_unique<GLTestContext>(64, 64);
  ASSERT_TRUE(context->Ok()) << context->Error();
  std::vector<OTexture> textures(std::size(cases));
  for (std::size_t i = 0; i < textures.size(); ++i) {
    textures[i].Set(cases[i].name);
  }
  for (const bool newContext : {false, true}) {
    if (newContext) {
      manager.DeleteAllTextures();
      for (const OTexture& texture : textures) {
        EXPECT_EQ(texture.Image()->TextureName(), 0u) << texture.Name();
      }
      context.reset();
      context = std::make_unique<GLTestContext>(64, 64);
      ASSERT_TRUE(context->Ok()) << context->Error();
      manager.RecreateAllTextures();
    }
    for (std::size_t i = 0; i < textures.size(); ++i) {
      SCOPED_TRACE(std::string(cases[i].name) + (newContext ? " in a new context" : ""));
      textures[i].Bind();
      DrawTexturedQuad();
      ExpectQuarters(*context, cases[i].quarters, cases[i].tolerance);
    }
  }
  textures.clear();
  manager.SetFilterMode(savedMode);
}

// Quality settings run from the fastest filters to the smoothest; mipmaps are
// made when a texture is, from mode 4 on, and never added later.
TEST_F(TexturesTest, EachQualitySettingSetsItsFilters) {
  const struct {
    std::uint32_t mode;
    GLint mag, min;
  } cases[] = {{0, GL_NEAREST, GL_NEAREST},
               {3, GL_LINEAR, GL_LINEAR},
               {4, GL_NEAREST, GL_NEAREST_MIPMAP_NEAREST},
               {10, GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR},
               {11, GL_LINEAR, GL_NEAREST_MIPMAP_LINEAR}};  // 11 sets nothing: OpenGL's defaults stay
  TextureArchive archive({{"Quad.tga", TgaFile({"RGBY", "KWCM"})}});
  // The bound texture's filters and the width of its first mipmap, 0 without mipmaps.
  const auto filters = [] {
    std::array<GLint, 3> values{};
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &values[0]);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &values[1]);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &values[2]);
    return values;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode));
    manager_.SetFilterMode(c.mode);
    OTexture texture;
    texture.Set("Quad.tga");
    texture.Bind();
    EXPECT_EQ(filters(), (std::array<GLint, 3>{c.mag, c.min, c.mode >= 4 ? 2 : 0}));
  }
  SCOPED_TRACE("a new setting changes the filters of cached textures");
  manager_.SetFilterMode(3);
  OTexture texture, copy, empty;
  texture.Set("Quad.tga");
  copy = texture;
  EXPECT_EQ(texture.Image()->ReferenceCount(), 2) << "handles share one image, each with a reference";
  manager_.ReapplyFilter(10);
  texture.Bind();
  EXPECT_EQ(filters(), (std::array<GLint, 3>{GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR, 0}));
  EXPECT_EQ(manager_.FilterMode(), 3u) << "new images keep the manager's own mode";
  empty.Bind();
  GLint bound = -1;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(bound, 0) << "an empty handle draws untextured";
}

// The pointer: its top-left corner at the mouse point, a sixteenth of the
// window high.
TEST_F(TexturesTest, ThePointersTopLeftCornerIsTheMousePoint) {
  TextureArchive archive({{"Cursor.Tga", TgaFile({"RRRR", "RRRR", "RRRR", "RRRR"}, 32)}});
  OCursor cursor;
  cursor.Load();
  cursor.MoveTo(10, 20);
  glClear(GL_COLOR_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glOrtho(0, 64, 0, 64, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glEnable(GL_TEXTURE_2D);
  cursor.Draw(64);

  // Four pixels square, from x 10 and from 20 pixels below the top edge.
  const struct {
    int x, yFromTop;
    char letter;
  } pixels[] = {{10, 20, 'R'}, {13, 23, 'R'}, {9, 20, 'K'}, {14, 20, 'K'}, {10, 19, 'K'}, {10, 24, 'K'}};
  for (const auto& p : pixels) {
    EXPECT_TRUE(ColourNear(context_.PixelAt(p.x, 63 - p.yFromTop), p.letter, 8)) << p.x << ", " << p.yFromTop;
  }
}

// A clip shows one frame per update once a frame's time is passed, numbered
// row by row across its grid (for a TGA the first row is the bottom of the
// texture), and after its last frame it finishes and draws nothing.
TEST_F(TexturesTest, AClipPlaysItsFramesFromItsGridCells) {
  TextureArchive archive({{"Sheet.tga", TgaFile({"RGBY", "KWCM"})}});
  manager_.SetFilterMode(0);
  OClip clip;
  clip.SetTexture("Sheet.tga");
  clip.columns = 4;
  clip.rows = 2;
  clip.lastFrame = 7;
  for (const char letter : std::string("RGBYKWCM")) {
    SCOPED_TRACE(letter);
    glClear(GL_COLOR_BUFFER_BIT);
    clip.Draw();
    EXPECT_TRUE(ColourNear(context_.PixelAt(32, 32), letter, 10));
    clip.Update(50);    // not yet: the duration must be passed, not reached
    clip.Update(1000);  // one frame however long the update
  }
  EXPECT_TRUE(clip.Finished());
  glClear(GL_COLOR_BUFFER_BIT);
  clip.Draw();
  EXPECT_TRUE(ColourNear(context_.PixelAt(32, 32), 'K', 0)) << "a finished clip draws nothing";
  clip.texture->Clear();

  OClip looping;
  looping.loops = true;
  looping.lastFrame = 1;
  looping.Update(51);
  looping.Update(10);
  EXPECT_EQ(looping.frame, 0) << "a looping clip starts again";
}

}  // namespace
