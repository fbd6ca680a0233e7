// A screen whose controls can all say what they draw shows a copy of its
// last picture while none of them changes, with the very pixels drawn.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>

#include "app/ORenderWindow.h"
#include "gfx/PictureKey.h"
#include "support/GLTestContext.h"

namespace {

using Pixel = std::array<std::uint8_t, 4>;

// Fills the window with its shade, counting the times it is drawn.
class ShadeControl : public OControl {
 public:
  ShadeControl() : OControl(0, false) {}

  void Draw() override {
    ++draws;
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glColor3ub(shade, 255 - shade, 40);
    glRectf(-1.0f, -1.0f, 1.0f, 1.0f);
  }
  bool AddToPictureKey(PictureKey& key) const override {
    key.Add(shade);
    return tells;
  }

  std::uint8_t shade = 10;
  bool tells = true;
  int draws = 0;
};

class KeptPictureTest : public GLTest {
 protected:
  void SetUp() override {
    GLTest::SetUp();
    auto control = std::make_unique<ShadeControl>();
    control_ = control.get();
    screen_.AddControl(std::move(control));
    screen_.SetPixelSize(64, 64);
  }
  // One frame as the game draws it: cleared, then the screen. Whether the
  // control was drawn, and the pixel seen.
  std::pair<bool, Pixel> Frame() {
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    const int before = control_->draws;
    screen_.Draw();
    return {control_->draws > before, context_.PixelAt(32, 32)};
  }
  Pixel Shade(std::uint8_t shade) const { return {shade, static_cast<std::uint8_t>(255 - shade), 40, 255}; }

  ORenderWindow screen_{1};
  ShadeControl* control_ = nullptr;
};

}  // namespace

TEST_F(KeptPictureTest, AStillScreenShowsACopyFromItsThirdFrameAndAnyChangeDrawsAfresh) {
  using Seen = std::pair<bool, Pixel>;
  EXPECT_EQ(Frame(), Seen(true, Shade(10)));
  EXPECT_EQ(Frame(), Seen(true, Shade(10))) << "the same key twice: copied";
  EXPECT_EQ(Frame(), Seen(false, Shade(10))) << "shown from the copy";
  EXPECT_EQ(Frame(), Seen(false, Shade(10)));

  control_->shade = 200;
  EXPECT_EQ(Frame(), Seen(true, Shade(200)));
  EXPECT_EQ(Frame(), Seen(true, Shade(200)));
  EXPECT_EQ(Frame(), Seen(false, Shade(200)));

  screen_.SetPixelSize(32, 32);
  EXPECT_TRUE(Frame().first) << "a new size";
  screen_.SetPixelSize(64, 64);
  EXPECT_FALSE(Frame().first) << "the copy at this size still stands";
  screen_.DropKeptPicture();
  EXPECT_TRUE(Frame().first) << "dropped before the context goes";

  control_->enabled = false;
  EXPECT_EQ(Frame(), Seen(false, Pixel{0, 0, 255, 255})) << "a hidden control changes the picture";
  control_->enabled = true;
  control_->tells = false;
  for (int frame = 0; frame < 3; ++frame) {
    EXPECT_TRUE(Frame().first) << "a control that cannot say is drawn every frame";
  }
}
