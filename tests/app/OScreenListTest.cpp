// The registered screens: what a screen is given when it is registered, how
// the shown screen is switched, and the base screen's drawing of its
// background and enabled controls.
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

using Log = CallLog;

class OScreenListTest : public ::testing::Test {
 protected:
  FakeScreen* Register(std::uint32_t identifier, bool controlsMade = true) {
    auto screen = std::make_unique<FakeScreen>(identifier, log_);
    screen->controlsMade = controlsMade;
    FakeScreen* registered = screen.get();
    host_.screens.AddWindow(std::move(screen));
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
  screen->controlsMade = false;
  FakeScreen* menu = screen.get();
  EXPECT_FALSE(screens_.AddWindow(std::move(screen))) << "what CreateControls said";
  EXPECT_EQ(Take(log_), (Log{"201 create"}));
  EXPECT_EQ(menu->Application(), &host_);
  EXPECT_EQ(menu->Camera(), &camera);
  EXPECT_EQ(menu->Light(), &light);
  EXPECT_EQ(menu->PixelWidth(), 800);
  EXPECT_EQ(menu->PixelHeight(), 600);

  screens_.Resize(1024, 768);
  EXPECT_EQ(menu->PixelWidth(), 1024);
  EXPECT_EQ(Register(202)->PixelHeight(), 768);

  menu->controlsMade = true;
  EXPECT_FALSE(screens_.AddWindow(std::unique_ptr<ORenderWindow>(menu)));
  EXPECT_EQ(Take(log_), (Log{"202 create"})) << "a second registration changes nothing";
}

TEST_F(OScreenListTest, ScreensAreFoundByIdentifierInTheOrderTheyCame) {
  FakeScreen* first = Register(205);
  Register(205);
  FakeScreen* help = Register(206);
  EXPECT_EQ(screens_.FindWindow(205), first);
  EXPECT_EQ(screens_.FindWindow(206), help);
  EXPECT_EQ(screens_.FindWindow(999), nullptr);
}

TEST_F(OScreenListTest, SwitchingHidesTheShownScreenAndShowsTheNextOne) {
  Register(201);
  FakeScreen* gameType = Register(202);
  Take(log_);
  EXPECT_EQ(screens_.ActiveWindow(), nullptr);
  {
    SCOPED_TRACE("first switch");
    EXPECT_TRUE(screens_.SetActiveWindow(201));
    EXPECT_EQ(Take(log_), (Log{"201 show"}));
  }
  {
    SCOPED_TRACE("to another screen");
    EXPECT_TRUE(screens_.SetActiveWindow(202));
    EXPECT_EQ(Take(log_), (Log{"201 hide", "202 show"}));
  }
  {
    SCOPED_TRACE("the shown screen again, which refreshes it");
    EXPECT_TRUE(screens_.SetActiveWindow(202));
    EXPECT_EQ(Take(log_), (Log{"202 hide", "202 show"}));
  }
  {
    SCOPED_TRACE("an identifier no screen has keeps the shown screen");
    EXPECT_FALSE(screens_.SetActiveWindow(203));
    EXPECT_TRUE(log_.empty());
    EXPECT_EQ(screens_.ActiveWindow(), gameType);
  }
}

TEST_F(OScreenListTest, ARemovedScreenIsHandedBackAndIsShownNoLonger) {
  Register(201);
  FakeScreen* game = Register(203);
  Register(209);
  screens_.SetActiveWindow(203);
  Take(log_);

  std::unique_ptr<ORenderWindow> removed = screens_.RemoveWindow(game);
  EXPECT_EQ(removed.get(), game);
  EXPECT_TRUE(log_.empty()) << "neither hidden nor deleted";
  EXPECT_EQ(screens_.ActiveWindow(), nullptr) << "deleting it must leave nothing dangling";
  EXPECT_EQ(screens_.FindWindow(203), nullptr);
  EXPECT_NE(screens_.FindWindow(209), nullptr);
  EXPECT_EQ(screens_.RemoveWindow(game), nullptr);

  removed.reset();
  EXPECT_TRUE(screens_.SetActiveWindow(209));
  EXPECT_EQ(Take(log_), (Log{"203 deleted", "209 show"}));
}

TEST_F(OScreenListTest, TheEndOfTheProgramDeletesTheScreensInTheirOrder) {
  Register(201);
  Register(202);
  screens_.SetActiveWindow(202);
  Take(log_);
  screens_.DeleteAll();
  EXPECT_EQ(Take(log_), (Log{"201 deleted", "202 deleted"}));
  EXPECT_EQ(screens_.ActiveWindow(), nullptr);
}

// The base screen draws its background over the whole window in the 512 x 512
// layout, then its enabled controls in the order they came.
class ORenderWindowDrawTest : public GLTest {
 protected:
  void SetUp() override {
    GLTest::SetUp();
    screens_.SetScene(&camera_, &light_);
    screens_.Resize(64, 64);
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
  }

  ORenderWindow& Screen(std::uint32_t identifier) {
    auto screen = std::make_unique<ORenderWindow>(identifier);
    ORenderWindow& added = *screen;
    screens_.AddWindow(std::move(screen));
    return added;
  }

  TestArchive archive_{{{"Data/Textures/Back.tga", TgaFile({"RRRRGGGG"})}}};
  OCamera camera_{20, 20, 60, 1, 1024};
  OLight light_;
  Log log_;
  FakeHost host_;
  OScreenList& screens_ = host_.screens;
};

TEST_F(ORenderWindowDrawTest, DrawsTheBackgroundAndTheEnabledControls) {
  ORenderWindow& screen = Screen(201);
  EXPECT_TRUE(screen.SetBackground("Back.tga"));
  screen.AddControl(std::make_unique<FakeControl>("shown", false, log_));
  auto hidden = std::make_unique<FakeControl>("hidden", false, log_);
  hidden->enabled = false;
  screen.AddControl(std::move(hidden));
  screen.AddControl(std::make_unique<FakeControl>("last", false, log_));
  Take(log_);

  screen.Draw();
  EXPECT_EQ(Take(log_), (Log{"shown draw", "last draw"}));
  // Red on the left, green on the right; the middles of the halves, where
  // filtering has no other colour to mix in.
  const auto left = context_.PixelAt(16, 48);
  const auto right = context_.PixelAt(48, 16);
  EXPECT_GT(left[0], 200);
  EXPECT_LT(left[1], 60);
  EXPECT_GT(right[1], 200);
  EXPECT_LT(right[0], 60);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 64) << "the camera's view of the whole window";
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(ORenderWindowDrawTest, AScreenWithoutBackgroundLeavesTheWindowAsItWas) {
  Screen(202).Draw();
  const auto pixel = context_.PixelAt(32, 32);
  EXPECT_EQ(pixel[2], 255);
  EXPECT_EQ(pixel[0], 0);
}

}  // namespace
