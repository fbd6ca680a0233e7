// The menu button: its face lights up while held, and sliding off it while
// held counts as the click.
#include <gtest/gtest.h>

#include "ButtonScreen.h"
#include "ui/PressBlendButton.h"

namespace {

constexpr std::uint32_t kMenu = 2030;
constexpr Command kClick{kMenu, OControl::kClicked};
// "menu.asvm" at full size is about 111 x 28 units of the layout.
constexpr float kX = 450.0f;
constexpr float kY = 100.0f;
constexpr float kAboveY = 200.0f;

class PressBlendButtonTest : public ButtonScreen {
 protected:
  PressBlendButton& AddMenu() { return Add(std::make_unique<PressBlendButton>(kMenu), "menu.asvm", kX, kY); }
};

TEST_F(PressBlendButtonTest, TheFaceLightsUpOnlyWhileTheButtonIsHeld) {
  PressBlendButton& button = AddMenu();
  MoveTo(kX, kY);
  EXPECT_TRUE(button.highlighted);
  EXPECT_TRUE(button.IsVisible(0)) << "hovering alone changes nothing";
  Press(kX, kY);
  EXPECT_TRUE(button.IsVisible(1));
  EXPECT_FALSE(button.IsVisible(0));
  EXPECT_TRUE(Release(kX, kY));
  EXPECT_TRUE(button.IsVisible(0));
  EXPECT_EQ(screen_.Take(), Commands{kClick});
}

TEST_F(PressBlendButtonTest, LeavingTheButtonWhileHeldClicksAtOnceAndTheReleaseAddsNothing) {
  PressBlendButton& button = AddMenu();
  MoveTo(kX, kY);
  Press(kX, kY);
  EXPECT_TRUE(screen_.Take().empty());
  MoveTo(kX, kAboveY);
  EXPECT_EQ(screen_.Take(), Commands{kClick});
  EXPECT_TRUE(button.IsVisible(0));
  EXPECT_FALSE(button.highlighted);

  SCOPED_TRACE("released back on the button");
  MoveTo(kX, kY);
  Release(kX, kY);
  EXPECT_TRUE(screen_.Take().empty());

  SCOPED_TRACE("leaving without a press");
  MoveTo(kX, kAboveY);
  EXPECT_TRUE(screen_.Take().empty());
}

TEST_F(PressBlendButtonTest, KeysAndTheRightButtonDoNothing) {
  AddMenu();
  MoveTo(kX, kY);
  Key(13);
  Press(kX, kY, OEvent::kRight);
  Release(kX, kY);
  EXPECT_TRUE(screen_.Take().empty());
}

}  // namespace
