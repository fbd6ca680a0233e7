// A screen draws again only the controls that changed since the frame before
// and those after them; a copy of its picture stands in for the rest, with
// the very pixels drawn.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/ORenderWindow.h"
#include "gfx/PictureKey.h"
#include "support/GLTestContext.h"

namespace {

using Pixel = std::array<std::uint8_t, 4>;

// Fills its half of the window with its shade.
class ShadeControl : public OControl {
 public:
  explicit ShadeControl(float left) : OControl(0, false), left_(left) {}

  void Draw() override {
    ++draws;
    glColor3ub(shade, 255 - shade, 40);
    glRectf(left_, -1.0f, left_ + 1.0f, 1.0f);
  }
  bool AddToPictureKey(PictureKey& key) const override {
    key.Add(shade);
    return tells;
  }
  Pixel Seen() const {
    return enabled ? Pixel{shade, static_cast<std::uint8_t>(255 - shade), 40, 255} : Pixel{0, 0, 255, 255};
  }

  std::uint8_t shade = 10;
  bool tells = true;
  int draws = 0;

 private:
  float left_;
};

class KeptPictureTest : public GLTest {
 protected:
  void SetUp() override {
    GLTest::SetUp();
    screen_.AddControl(std::unique_ptr<OControl>(left_ = new ShadeControl(-1.0f)));
    screen_.AddControl(std::unique_ptr<OControl>(right_ = new ShadeControl(0.0f)));
    screen_.SetPixelSize(64, 64);
  }
  // One frame as the game draws it, cleared, then the screen: which controls
  // were drawn ("L", "R"), once each half shows its control as it is now.
  std::string Frame() {
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    const int left = left_->draws;
    const int right = right_->draws;
    screen_.Draw();
    EXPECT_EQ(context_.PixelAt(16, 32), left_->Seen());
    EXPECT_EQ(context_.PixelAt(48, 32), right_->Seen());
    return std::string(left_->draws > left ? "L" : "") + (right_->draws > right ? "R" : "");
  }

  ORenderWindow screen_{1};
  ShadeControl* left_ = nullptr;
  ShadeControl* right_ = nullptr;
};

}  // namespace

TEST_F(KeptPictureTest, OnlyWhatChangedAndWhatFollowsIsDrawnAgain) {
  EXPECT_EQ(Frame(), "LR");
  EXPECT_EQ(Frame(), "LR") << "the same twice: copied";
  EXPECT_EQ(Frame(), "") << "shown from the copy";
  for (const std::uint8_t shade : {100, 150, 200}) {
    right_->shade = shade;
    EXPECT_EQ(Frame(), shade == 100 ? "LR" : "R") << "the part that stays is copied, then shown";
  }
  EXPECT_EQ(Frame(), "R");
  EXPECT_EQ(Frame(), "");
  left_->shade = 50;
  EXPECT_EQ(Frame(), "LR") << "what follows a change is drawn too";

  screen_.SetPixelSize(32, 32);
  EXPECT_EQ(Frame(), "LR") << "a new size";
  screen_.SetPixelSize(64, 64);
  EXPECT_EQ(Frame() + Frame() + Frame(), "LRLR");
  screen_.DropKeptPicture();
  EXPECT_EQ(Frame(), "LR") << "dropped before the context goes";
  left_->enabled = false;
  EXPECT_EQ(Frame(), "R") << "a hidden control changes the picture";
  left_->enabled = true;
  left_->tells = false;
  EXPECT_EQ(Frame() + Frame() + Frame(), "LRLRLR") << "a control that cannot say is drawn every frame, and what follows";
}
