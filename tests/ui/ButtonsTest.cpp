// The buttons on a real screen with its routing, seen through the game's
// camera, made from the generated models: clicks, the Enter key, disabled and
// scaled buttons, the held menu button, the rotate arrows and the skin selector.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "app/OException.h"
#include "app/ORenderWindow.h"
#include "assetgen/AssetSink.h"
#include "assetgen/Buttons.h"
#include "gfx/OCamera.h"
#include "support/GLTestContext.h"
#include "support/TestArchive.h"
#include "support/TestImages.h"
#include "ui/OButton.h"
#include "ui/PressBlendButton.h"
#include "ui/RotateButton.h"
#include "ui/SkinButton.h"

namespace {

using Commands = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
constexpr std::uint32_t kId = 7;
constexpr float kX = 256.0f;  // the buttons' place in the 512 x 512 layout
constexpr float kY = 256.0f;
constexpr float kOffY = 350.0f;

const TestArchive::Members& ButtonAssets() {
  static const TestArchive::Members members = [] {
    const TempFolder folder;
    AssetSink sink(folder.Path());
    Buttons::Write(sink);
    TestArchive::Members made = TestArchive::MembersUnder(folder / "archive");
    made.emplace_back("Data/Textures/wea.tga", TgaFile({"RR", "RR"}));
    made.emplace_back("Data/Textures/scr.tga", TgaFile({"GG", "GG"}));
    return made;
  }();
  return members;
}

class RecordingScreen : public ORenderWindow {
 public:
  RecordingScreen() : ORenderWindow(201) {}
  bool OnCommand(std::uint32_t command, std::uint32_t param) override {
    commands.emplace_back(command, param);
    return true;
  }
  Commands Take() { return std::exchange(commands, {}); }
  Commands commands;
};

class ButtonsTest : public ::testing::Test {
 protected:
  ButtonsTest() {
    camera_.transform[14] = -64.0f;
    camera_.LookAt(0.0f, 0.0f, 0.0f);
    screen_.Attach(nullptr, &camera_, nullptr);
    screen_.SetPixelSize(640, 480);
  }

  template <typename Button>
  Button& Add(std::unique_ptr<Button> button, const char* model, float scale = 1.0f) {
    Button& added = *button;
    button->Load(model);
    button->PlaceAtDesignPoint(kX, kY, 0.0f, camera_, 512.0f, 512.0f);
    button->SetScale(scale, scale, scale);
    screen_.AddControl(std::move(button));
    return added;
  }
  // Input as the window gives it, at a point of the layout.
  void Send(std::uint32_t type, float x, float y, std::uint32_t button = OEvent::kLeft) {
    screen_.HandleEvent(OEvent::Mouse(type, button, 0, static_cast<std::uint16_t>(x * 1.25f),
                                      static_cast<std::uint16_t>(480.0f - y * 0.9375f)));
  }
  void MoveTo(float x, float y) { Send(OEvent::kMouseMove, x, y); }
  void Click() {
    Send(OEvent::kButtonDown, kX, kY);
    Send(OEvent::kButtonUp, kX, kY);
  }

  GLTestContext context_{640, 480};
  TestArchive archive_{ButtonAssets()};
  OCamera camera_{640.0f, 480.0f, 60.0f, 1.0f, 1024.0f};
  RecordingScreen screen_;
};

TEST_F(ButtonsTest, AClickIsAPressAndAReleaseWithThePointerOnTheButton) {
  OButton& button = Add(std::make_unique<OButton>(kId, false), "ok.asvm");
  MoveTo(kX, kY);
  EXPECT_TRUE(button.IsVisible(1) && !button.IsVisible(0)) << "hovering shows the highlighted face";
  {
    SCOPED_TRACE("pressed, moved off and released there: nothing");
    Send(OEvent::kButtonDown, kX, kY);
    MoveTo(kX, kOffY);
    EXPECT_TRUE(button.IsVisible(0) && !button.highlighted);
    Send(OEvent::kButtonUp, kX, kOffY);
    EXPECT_TRUE(screen_.Take().empty());
  }
  {
    SCOPED_TRACE("pressed, moved off and back before the release: one click");
    MoveTo(kX, kY);
    Send(OEvent::kButtonDown, kX, kY);
    MoveTo(kX, kOffY);
    MoveTo(kX + 10.0f, kY);
    Send(OEvent::kButtonUp, kX + 10.0f, kY);
    Send(OEvent::kButtonUp, kX + 10.0f, kY);
    EXPECT_EQ(screen_.Take(), (Commands{{kId, OControl::kClicked}}));
  }
  {
    SCOPED_TRACE("the right button presses nothing");
    Send(OEvent::kButtonDown, kX, kY, OEvent::kRight);
    Send(OEvent::kButtonUp, kX, kY);
    EXPECT_TRUE(screen_.Take().empty());
  }
  {
    SCOPED_TRACE("disabled, it is never hit");
    button.disabled = true;
    MoveTo(kX, kOffY);
    MoveTo(kX, kY);
    Click();
    EXPECT_FALSE(button.highlighted);
    EXPECT_TRUE(screen_.Take().empty());
  }
}

TEST_F(ButtonsTest, EnterClicksTheFocusedButton) {
  Add(std::make_unique<OButton>(kId, true), "ok.asvm");
  Add(std::make_unique<OButton>(kId + 1, true), "cancel.asvm");
  for (const std::uint32_t focused : {kId, kId + 1}) {
    screen_.HandleEvent(OEvent::Key(OEvent::kKeyDown, ORenderWindow::kTabKey, 0));
    screen_.HandleEvent(OEvent::Key(OEvent::kKeyDown, 32, 0));
    EXPECT_TRUE(screen_.HandleEvent(OEvent::Key(OEvent::kKeyDown, OButton::kEnterKey, 0)));
    EXPECT_EQ(screen_.Take(), (Commands{{focused, OControl::kClicked}}));
  }
}

TEST_F(ButtonsTest, AScaledButtonIsHitOnlyWhereItIsDrawn) {
  OButton& button = Add(std::make_unique<OButton>(kId, false), "ok.asvm", 0.5f);
  // At half size the face reaches about 20 units either side of its centre.
  MoveTo(kX + 30.0f, kY);
  EXPECT_FALSE(button.highlighted);
  MoveTo(kX + 15.0f, kY);
  EXPECT_TRUE(button.highlighted);
}

TEST_F(ButtonsTest, TheMenuButtonLightsUpWhileHeldAndSlidingOffItClicks) {
  PressBlendButton& button = Add(std::make_unique<PressBlendButton>(kId), "menu.asvm");
  MoveTo(kX, kY);
  EXPECT_TRUE(button.IsVisible(0)) << "hovering alone changes nothing";
  Send(OEvent::kButtonDown, kX, kY);
  EXPECT_TRUE(button.IsVisible(1));
  Send(OEvent::kButtonUp, kX, kY);
  EXPECT_EQ(screen_.Take(), (Commands{{kId, OControl::kClicked}}));

  Send(OEvent::kButtonDown, kX, kY);
  MoveTo(kX, kOffY);
  EXPECT_EQ(screen_.Take(), (Commands{{kId, OControl::kClicked}})) << "clicked on leaving";
  EXPECT_TRUE(button.IsVisible(0));
  MoveTo(kX, kY);
  Send(OEvent::kButtonUp, kX, kY);
  MoveTo(kX, kOffY);
  EXPECT_TRUE(screen_.Take().empty()) << "the release and leaving unpressed add nothing";
}

TEST_F(ButtonsTest, TheRotateArrowSaysPressedAtOnceAndReleasedOnReleaseAndOnLeaving) {
  RotateButton& arrow = Add(std::make_unique<RotateButton>(kId), "rotate_cw.asvm", 0.5f);
  const Commands pressed{{kId, OControl::kControlPressed}};
  const Commands released{{kId, OControl::kControlReleased}};
  MoveTo(kX, kY);
  Send(OEvent::kButtonDown, kX, kY);
  EXPECT_EQ(screen_.Take(), pressed);
  EXPECT_TRUE(arrow.IsVisible(1));
  Send(OEvent::kButtonUp, kX, kY);
  EXPECT_EQ(screen_.Take(), released);
  EXPECT_TRUE(arrow.IsVisible(0));

  SCOPED_TRACE("leaving, held and not held");
  Send(OEvent::kButtonDown, kX, kY);
  screen_.Take();
  MoveTo(kX, kOffY);
  EXPECT_EQ(screen_.Take(), released);
  EXPECT_TRUE(arrow.IsVisible(0));
  MoveTo(kX, kY);
  Send(OEvent::kButtonUp, kX, kY);
  screen_.Take();
  MoveTo(kX, kOffY);
  EXPECT_EQ(screen_.Take(), released);
}

TEST_F(ButtonsTest, TheSkinSelectorStepsThroughItsSkinsByNumberAndWrapsRound) {
  SkinButton& skins = Add(std::make_unique<SkinButton>(kId, false), "skin.asvm");
  skins.AddSkin("col.tga", 2074);
  skins.AddSkin("scr.tga", 2071);
  skins.AddSkin("wea.tga", 2070);
  skins.AddSkin("tex.tga", 2075);
  skins.AddSkin("col.tga", 2072);
  EXPECT_EQ(skins.FindSkin("col.tga"), 2074) << "a texture offered again keeps its number";
  EXPECT_EQ(skins.CurrentSkinNumber(), 2075) << "the last added is current";
  for (const std::int32_t next : {2070, 2071, 2074, 2075, 2070}) {
    Click();
    EXPECT_EQ(screen_.Take(), (Commands{{kId, next}}));
  }
  EXPECT_TRUE(skins.Texture().Empty()) << "the owner selects the skin it is told of";

  SCOPED_TRACE("selecting wears the first skin at or above the number, or the first");
  for (const auto& [asked, worn] : std::vector<std::pair<std::int32_t, std::string>>{
           {2071, "scr.tga"}, {-1, "wea.tga"}, {3000, "wea.tga"}}) {
    skins.SelectSkin(asked);
    EXPECT_EQ(skins.Texture().Name(), worn);
    EXPECT_FALSE(skins.Texture().Empty());
  }
  EXPECT_THROW(skins.SelectSkin(2074), OFileNotFound);
}

}  // namespace
