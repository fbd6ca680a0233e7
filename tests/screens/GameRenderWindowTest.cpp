// The common base of the game's screens on a real application and window of
// the offscreen video driver: the window buttons shown in a window and hidden
// in full screen, their commands, and dragging the window by its background.
#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "GameScreenFixture.h"
#include "app/OApplication.h"
#include "app/OConfig.h"
#include "app/OLog.h"
#include "assetgen/AssetSink.h"
#include "assetgen/Buttons.h"
#include "gfx/OCamera.h"
#include "platform/Events.h"
#include "screens/GameRenderWindow.h"
#include "support/GLTestContext.h"
#include "support/OffscreenVideo.h"
#include "support/TestArchive.h"
#include "support/TestImages.h"

namespace {

constexpr std::uint32_t kScreen = 201;

// SDL unloads Mesa's driver when its window goes, and what the driver still
// holds then looks lost to the leak checker. A context of our own, kept for the
// whole test program, keeps the driver loaded.
void KeepGLDriverLoaded() { static const GLTestContext keeper(1, 1); }

const TestArchive::Members& Assets() {
  static const TestArchive::Members members = [] {
    const TempFolder folder;
    AssetSink sink(folder.Path());
    Buttons::Write(sink);
    TestArchive::Members made = TestArchive::MembersUnder(folder / "archive");
    made.emplace_back("Data/Textures/Loading.jpg", JpegFile({"GG", "GG"}, 16));
    made.emplace_back("Data/Textures/Cursor.Tga", TgaFile({"RR", "RR"}, 32));
    return made;
  }();
  return members;
}

class WatchedApplication : public OApplication {
 public:
  using OApplication::OApplication;

  void ShowMinimised(std::uint8_t restore) override {
    minimiseCalls.push_back(restore);
    OApplication::ShowMinimised(restore);
  }

  std::vector<std::uint8_t> minimiseCalls;
};

// Where the window stands on the desktop, as the video system has it.
std::pair<int, int> WindowPosition() {
  int x = 0;
  int y = 0;
  SDL_GetWindowPosition(SDL_GL_GetCurrentWindow(), &x, &y);
  return {x, y};
}

class GameRenderWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    USE_OFFSCREEN_VIDEO_OR_SKIP();
    KeepGLDriverLoaded();
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // Windowed 640 x 480.
    config_.displayMode = 0;
    config_.colourDepth = 32;
    config_.fullScreen = false;
    config_.Save();
    application_ = std::make_unique<WatchedApplication>(config_, log_);
    application_->Create("3D", "Tornet 3D", 640, 480, 0);
    ASSERT_TRUE(application_->HasRenderingContext());
    application_->Init();
    application_->Camera()->transform[14] = -64.0f;
    application_->Camera()->LookAt(0.0f, 0.0f, 0.0f);
    QuitPosted();
  }

  GameRenderWindow& ShowScreen() {
    auto screen = std::make_unique<GameRenderWindow>(kScreen);
    GameRenderWindow& shown = *screen;
    application_->Screens().AddWindow(std::move(screen));
    application_->Screens().SetActiveWindow(kScreen);
    return shown;
  }

  // Input at a pixel of the 640 x 480 window, y from the top.
  void Send(std::uint32_t type, int x, int y, std::uint16_t flags = 0) {
    application_->OnInput(OEvent::Mouse(type, OEvent::kLeft, flags, static_cast<std::uint16_t>(x),
                                        static_cast<std::uint16_t>(y)));
  }
  void Click(int x) {
    Send(OEvent::kMouseMove, x, kButtonTop);
    Send(OEvent::kButtonDown, x, kButtonTop, platform::kMouseLeft);
    Send(OEvent::kButtonUp, x, kButtonTop);
  }

  // The window buttons' centres: (442, 485), (459, 485) and (476, 485) of the 512 x 512 layout.
  static constexpr int kButtonTop = 25;
  static constexpr int kMinimise = 552;
  static constexpr int kFullScreen = 573;
  static constexpr int kQuit = 595;

  TempFolder folder_;
  OConfig config_{folder_ / "Data/Config.Cfg"};
  OLog log_{folder_ / "Report.html"};
  TestArchive archive_{Assets()};
  std::unique_ptr<WatchedApplication> application_;
};

TEST_F(GameRenderWindowTest, InAWindowTheButtonsMinimiseAndQuit) {
  GameRenderWindow& screen = ShowScreen();
  EXPECT_FALSE(screen.OnCommand(2030, OControl::kClicked)) << "other commands are the screen's";
  Click(kMinimise);
  EXPECT_EQ(application_->minimiseCalls, std::vector<std::uint8_t>{0});
  EXPECT_FALSE(QuitPosted());

  SCOPED_TRACE("beside the buttons nothing happens");
  Click(kQuit + 10);
  EXPECT_FALSE(QuitPosted());
  Click(kQuit);
  EXPECT_TRUE(QuitPosted());
}

TEST_F(GameRenderWindowTest, FullScreenHidesTheButtonsOfTheScreenShownAgain) {
  GameRenderWindow& screen = ShowScreen();
  Click(kFullScreen);
  EXPECT_EQ(application_->FullScreen(), 1);
  EXPECT_EQ(application_->Screens().ActiveWindow(), &screen);
  Click(kQuit);
  Click(kMinimise);
  EXPECT_FALSE(QuitPosted()) << "hidden buttons take no clicks";
  EXPECT_TRUE(application_->minimiseCalls.empty());
  application_->Frame(16);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  SCOPED_TRACE("a screen shown later in full screen hides them too");
  auto later = std::make_unique<GameRenderWindow>(kScreen + 1);
  application_->Screens().AddWindow(std::move(later));
  application_->Screens().SetActiveWindow(kScreen + 1);
  Click(kQuit);
  EXPECT_FALSE(QuitPosted());
}

TEST_F(GameRenderWindowTest, TheWindowIsDraggedByItsBackgroundWithTheLeftButton) {
  ShowScreen();
  const auto [startX, startY] = WindowPosition();
  const auto moved = [&] {
    const auto [x, y] = WindowPosition();
    return std::pair{x - startX, y - startY};
  };
  constexpr std::uint16_t kHeld = platform::kMouseLeft;
  Send(OEvent::kMouseMove, 100, 300);
  Send(OEvent::kButtonDown, 100, 300, kHeld);
  Send(OEvent::kMouseMove, 110, 305, kHeld);
  EXPECT_EQ(moved(), (std::pair{10, 5}));
  // The window has moved under the pointer: 4 pixels further right is 104 in it now.
  Send(OEvent::kMouseMove, 104, 300, kHeld);
  EXPECT_EQ(moved(), (std::pair{14, 5})) << "the grabbed point follows the pointer";
  Send(OEvent::kButtonUp, 104, 300);
  Send(OEvent::kMouseMove, 150, 300, kHeld);
  EXPECT_EQ(moved(), (std::pair{14, 5})) << "released, the window stays";

  SCOPED_TRACE("a press on a button is the button's");
  Send(OEvent::kMouseMove, kQuit, kButtonTop);
  Send(OEvent::kButtonDown, kQuit, kButtonTop, kHeld);
  Send(OEvent::kMouseMove, kQuit, kButtonTop + 50, kHeld);
  Send(OEvent::kButtonUp, kQuit, kButtonTop + 50);
  EXPECT_EQ(moved(), (std::pair{14, 5}));
  EXPECT_FALSE(QuitPosted());

  SCOPED_TRACE("a release the screen missed ends the drag");
  Send(OEvent::kButtonDown, 100, 300, kHeld);
  Send(OEvent::kMouseMove, 120, 300);
  Send(OEvent::kMouseMove, 140, 300, kHeld);
  EXPECT_EQ(moved(), (std::pair{14, 5}));

  SCOPED_TRACE("in full screen there is no window to drag");
  application_->SetFullScreen(1);
  Send(OEvent::kButtonDown, 100, 300, kHeld);
  Send(OEvent::kMouseMove, 130, 300, kHeld);
  EXPECT_EQ(moved(), (std::pair{14, 5}));
}

}  // namespace
