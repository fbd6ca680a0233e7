// Buttons on a real screen: clicks made of a press and a release over the
// button, the Enter key on a focused one, and buttons that are switched off.
#include <gtest/gtest.h>

#include "ButtonScreen.h"
#include "ui/OButton.h"

namespace {

constexpr std::uint32_t kOk = 7;
constexpr Command kClick{kOk, OControl::kClicked};
// "ok.asvm" at full size is about 83 x 21 units of the layout.
constexpr float kX = 256.0f;
constexpr float kY = 256.0f;
constexpr float kAboveY = 300.0f;

class OButtonTest : public ButtonScreen {
 protected:
  OButton& AddOk(bool focusable = false) {
    return Add(std::make_unique<OButton>(kOk, focusable), "ok.asvm", kX, kY);
  }
};

TEST_F(OButtonTest, AClickNeedsThePointerOverTheButtonWhenItIsReleased) {
  OButton& button = AddOk();
  {
    SCOPED_TRACE("hovering shows the highlighted face");
    MoveTo(kX, kY);
    EXPECT_TRUE(button.highlighted);
    EXPECT_TRUE(button.IsVisible(1));
    EXPECT_FALSE(button.IsVisible(0));
  }
  {
    SCOPED_TRACE("pressed, moved off and released there: no click");
    Press(kX, kY);
    MoveTo(kX, kAboveY);
    EXPECT_FALSE(button.highlighted);
    EXPECT_TRUE(button.IsVisible(0));
    Release(kX, kAboveY);
    EXPECT_TRUE(screen_.Take().empty());
  }
  {
    SCOPED_TRACE("pressed, moved off and back on before the release: one click");
    Press(kX, kY);
    MoveTo(kX, kAboveY);
    MoveTo(kX + 10.0f, kY);
    EXPECT_TRUE(Release(kX + 10.0f, kY));
    EXPECT_EQ(screen_.Take(), Commands{kClick});
  }
  {
    SCOPED_TRACE("a release after the click is not another click");
    Release(kX, kY);
    EXPECT_TRUE(screen_.Take().empty());
  }
  {
    SCOPED_TRACE("the right button does not press it");
    Press(kX, kY, OEvent::kRight);
    Release(kX, kY);
    EXPECT_TRUE(screen_.Take().empty());
  }
}

TEST_F(OButtonTest, TheOwnersAnswerToTheClickIsTheAnswerToTheRelease) {
  AddOk();
  screen_.answer = false;
  MoveTo(kX, kY);
  Press(kX, kY);
  EXPECT_FALSE(Release(kX, kY));
  EXPECT_EQ(screen_.Take(), Commands{kClick});
}

TEST_F(OButtonTest, EnterClicksTheFocusedButtonWithoutThePointer) {
  OButton& first = AddOk(true);
  OButton& second = Add(std::make_unique<OButton>(kOk + 1, true), "cancel.asvm", kX, 100.0f);
  Key(ORenderWindow::kTabKey);
  EXPECT_TRUE(first.highlighted);
  EXPECT_TRUE(Key(OButton::kEnterKey));
  EXPECT_EQ(screen_.Take(), Commands{kClick});

  Key(ORenderWindow::kTabKey);
  EXPECT_TRUE(second.highlighted);
  Key(OButton::kEnterKey);
  EXPECT_EQ(screen_.Take(), (Commands{{kOk + 1, OControl::kClicked}}));

  SCOPED_TRACE("other keys click nothing");
  EXPECT_FALSE(Key(32));
  EXPECT_TRUE(screen_.Take().empty());
}

TEST_F(OButtonTest, ADisabledButtonIsNeverHitSoItNeitherLightsUpNorClicks) {
  OButton& button = AddOk();
  button.disabled = true;
  MoveTo(kX, kY);
  Press(kX, kY);
  Release(kX, kY);
  EXPECT_FALSE(button.highlighted);
  EXPECT_TRUE(screen_.Take().empty());

  SCOPED_TRACE("enabled again, it clicks");
  button.disabled = false;
  MoveTo(kX, kY);
  Press(kX, kY);
  Release(kX, kY);
  EXPECT_EQ(screen_.Take(), Commands{kClick});
}

TEST_F(OButtonTest, AScaledButtonIsHitOnlyWhereItIsDrawn) {
  auto small = std::make_unique<OButton>(kOk, false);
  small->SetScale(0.5f, 0.5f, 0.5f);
  OButton& button = Add(std::move(small), "ok.asvm", kX, kY);
  // At half size the face reaches about 20 units either side of its centre.
  MoveTo(kX + 30.0f, kY);
  EXPECT_FALSE(button.highlighted);
  MoveTo(kX + 15.0f, kY);
  EXPECT_TRUE(button.highlighted);
}

}  // namespace
