// The rotate arrows: the owner hears the press at once and the release, and
// hears a release whenever the pointer leaves, held or not.
#include <gtest/gtest.h>

#include "ButtonScreen.h"
#include "ui/RotateButton.h"

namespace {

constexpr std::uint32_t kRotate = 2032;
constexpr Command kPressed{kRotate, OControl::kControlPressed};
constexpr Command kReleased{kRotate, OControl::kControlReleased};
// "rotate_cw.asvm" at half size is about 48 units of the layout square.
constexpr float kX = 90.0f;
constexpr float kY = 256.0f;
constexpr float kAwayX = 200.0f;

class RotateButtonTest : public ButtonScreen {
 protected:
  RotateButton& AddArrow() {
    auto arrow = std::make_unique<RotateButton>(kRotate);
    arrow->SetScale(0.5f, 0.5f, 0.5f);
    return Add(std::move(arrow), "rotate_cw.asvm", kX, kY);
  }
};

TEST_F(RotateButtonTest, APressSendsPressedAtOnceAndTheReleaseSendsReleased) {
  RotateButton& arrow = AddArrow();
  MoveTo(kX, kY);
  EXPECT_TRUE(arrow.IsVisible(0)) << "hovering alone changes nothing";
  EXPECT_TRUE(Press(kX, kY));
  EXPECT_EQ(screen_.Take(), Commands{kPressed});
  EXPECT_TRUE(arrow.IsVisible(1));
  EXPECT_TRUE(Release(kX, kY));
  EXPECT_EQ(screen_.Take(), Commands{kReleased});
  EXPECT_TRUE(arrow.IsVisible(0));

  SCOPED_TRACE("the owner's answer is the answer to the press");
  screen_.answer = false;
  EXPECT_FALSE(Press(kX, kY));
}

TEST_F(RotateButtonTest, LeavingSendsReleasedHeldOrNot) {
  RotateButton& arrow = AddArrow();
  {
    SCOPED_TRACE("held");
    MoveTo(kX, kY);
    Press(kX, kY);
    screen_.Take();
    MoveTo(kAwayX, kY);
    EXPECT_EQ(screen_.Take(), Commands{kReleased});
    EXPECT_TRUE(arrow.IsVisible(0));
  }
  {
    SCOPED_TRACE("not held");
    MoveTo(kX, kY);
    Release(kX, kY);
    screen_.Take();
    MoveTo(kAwayX, kY);
    EXPECT_EQ(screen_.Take(), Commands{kReleased});
  }
}

}  // namespace
