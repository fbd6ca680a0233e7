// The pointer picture: its top-left corner at the mouse point, a sixteenth of
// the window high, whatever the window's size.
#include "TextureTest.h"
#include "gfx/OCursor.h"

namespace {

using OCursorTest = TextureTest;

TEST_F(OCursorTest, ThePicturesTopLeftCornerIsTheMousePoint) {
  TextureArchive archive({{"Cursor.Tga", TgaFile({"RRRR", "RRRR", "RRRR", "RRRR"}, 32)}});
  OCursor cursor;
  cursor.Load();
  cursor.MoveTo(10, 20);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 64, 0, 64, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_TEXTURE_2D);
  cursor.Draw(64);

  // Four pixels square, from x 10 and from 20 pixels below the top edge.
  auto at = [&](int x, int yFromTop) { return context_.PixelAt(x, 63 - yFromTop); };
  EXPECT_TRUE(ColourNear(at(10, 20), 'R', 8));
  EXPECT_TRUE(ColourNear(at(13, 23), 'R', 8));
  EXPECT_TRUE(ColourNear(at(9, 20), 'K', 8));
  EXPECT_TRUE(ColourNear(at(14, 20), 'K', 8));
  EXPECT_TRUE(ColourNear(at(10, 19), 'K', 8));
  EXPECT_TRUE(ColourNear(at(10, 24), 'K', 8));
}

TEST_F(OCursorTest, AMissingPictureIsAMissingFile) {
  TextureArchive archive({});
  OCursor cursor;
  EXPECT_ANY_THROW(cursor.Load());
}

}  // namespace
