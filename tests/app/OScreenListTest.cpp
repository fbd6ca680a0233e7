// The registered screens: what a screen is given on registration, how the
// shown screen is switched, and the base screen's picture.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>

#include "ScreenFakes.h"
#include "gfx/OCamera.h"
#include "gfx/OLight.h"
#include "support/GLTestContext.h"
#include "support/TestArchive.h"
#include "support/TestImages.h"

namespace {

class OScreenListTest : public ::testing::Test {
 protected:
  FakeScreen* Register(std::uint32_t identifier) {
    auto screen = std::make_unique<FakeScreen>(identifier, log_);
    FakeScreen* registered = screen.get();
    screens_.AddWindow(std::move(screen));
    return registered;
  }

  Log log_;
  FakeHost host_;
  OScreenList& screens_ = host_.screens;
};

TEST_F(OScreenListTest, ARegisteredScreenGetsTheSceneTheSizeAndItsControls) {
  OCamera camera(640, 480, 60, 1, 1024);
  OLight light;
  screens_.SetScene(&camera, &light);
  screens_.Resize(800, 600);
  auto screen = std::make_unique<FakeScreen>(201, log_);
  FakeScreen* menu = screen.get();
  menu->controlsMade = false;
  EXPECT_FALSE(screens_.AddWindow(std::move(screen))) << "what CreateControls said";
  EXPECT_EQ(menu->Application(), &host_);
  EXPECT_EQ(menu->Camera(), &camera);
  EXPECT_EQ(menu->Light(), &light);
  EXPECT_EQ(menu->PixelWidth(), 800);
  screens_.Resize(1024, 768);
  EXPECT_EQ(menu->PixelHeight(), 768);
  EXPECT_EQ(Register(202)->PixelWidth(), 1024);
  EXPECT_FALSE(screens_.AddWindow(std::unique_ptr<ORenderWindow>(menu)));
  EXPECT_EQ(Take(log_), (Log{"201 create", "202 create"})) << "a second registration changes nothing";
}

TEST_F(OScreenListTest, SwitchingHidesTheShownScreenAndShowsTheFirstWithTheIdentifier) {
  Register(201);
  FakeScreen* gameType = Register(202);
  Register(202);
  Take(log_);
  EXPECT_EQ(screens_.FindWindow(202), gameType);
  EXPECT_EQ(screens_.FindWindow(203), nullptr);
  EXPECT_TRUE(screens_.SetActiveWindow(201));
  EXPECT_TRUE(screens_.SetActiveWindow(202));
  EXPECT_TRUE(screens_.SetActiveWindow(202)) << "the shown screen again, which refreshes it";
  EXPECT_EQ(Take(log_), (Log{"201 show", "201 hide", "202 show", "202 hide", "202 show"}));
  EXPECT_FALSE(screens_.SetActiveWindow(203));
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(screens_.ActiveWindow(), gameType) << "an unknown identifier keeps the shown screen";
}

TEST_F(OScreenListTest, ARemovedScreenIsHandedBackAndShownNoLonger) {
  Register(201);
  FakeScreen* game = Register(203);
  Register(209);
  screens_.SetActiveWindow(203);
  Take(log_);
  std::unique_ptr<ORenderWindow> removed = screens_.RemoveWindow(game);
  EXPECT_EQ(removed.get(), game);
  EXPECT_EQ(screens_.ActiveWindow(), nullptr) << "deleting it must leave nothing dangling";
  EXPECT_EQ(screens_.RemoveWindow(game), nullptr);
  removed.reset();
  screens_.DeleteAll();
  EXPECT_EQ(Take(log_), (Log{"203 deleted", "201 deleted", "209 deleted"}));
}

// The background fills the window through the 512 x 512 layout; the enabled
// controls are drawn over it in the order they came.
TEST(ORenderWindowDraw, DrawsTheBackgroundAndTheEnabledControls) {
  GLTestContext context(64, 64);
  ASSERT_TRUE(context.Ok()) << context.Error();
  TestArchive archive({{"Data/Textures/Back.tga", TgaFile({"RRRRGGGG"})}});
  OCamera camera(20, 20, 60, 1, 1024);
  Log log;
  FakeHost host;
  host.screens.SetScene(&camera, nullptr);
  host.screens.Resize(64, 64);
  for (const std::uint32_t identifier : {201, 202}) {
    host.screens.AddWindow(std::make_unique<ORenderWindow>(identifier));
  }
  ORenderWindow& screen = *host.screens.FindWindow(201);
  EXPECT_TRUE(screen.SetBackground("Back.tga"));
  screen.AddControl(std::make_unique<FakeControl>("shown", false, log));
  auto hidden = std::make_unique<FakeControl>("hidden", false, log);
  hidden->enabled = false;
  screen.AddControl(std::move(hidden));
  screen.AddControl(std::make_unique<FakeControl>("last", false, log));
  Take(log);

  for (const std::uint32_t identifier : {202, 201}) {
    SCOPED_TRACE(identifier);
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    host.screens.FindWindow(identifier)->Draw();
    // The middles of the halves, where filtering has no other colour to mix in.
    const auto left = context.PixelAt(16, 48);
    const auto right = context.PixelAt(48, 16);
    if (identifier == 202) {
      EXPECT_EQ(left[2], 255) << "without a background the window stays as it was";
      continue;
    }
    EXPECT_TRUE(left[0] > 200 && left[1] < 60 && right[1] > 200 && right[0] < 60);
    EXPECT_EQ(Take(log), (Log{"shown draw", "last draw"}));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 64) << "the camera's view of the whole window";
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_DEPTH_TEST));
  }
}

}  // namespace
