// The common base of the game's screens on a real application and window of
// the offscreen video driver: the window buttons shown in a window and hidden
// in full screen, their commands, and dragging the window by its background.
#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <utility>
#include <vector>

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
    made.emplace_back("Data/Textures/Back.Tga", TgaFile({"BB", "BB"}));
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

  // Keeps the picture just before it is shown.
  void Flip() override {
    lastFrame.assign(static_cast<std::size_t>(ClientWidth()) * ClientHeight() * 4, 0);
    glReadPixels(0, 0, ClientWidth(), ClientHeight(), GL_RGBA, GL_UNSIGNED_BYTE, lastFrame.data());
    OApplication::Flip();
  }

  // The pixel at (x, y) of the last picture, y from the top of the window.
  std::array<std::uint8_t, 4> PixelAt(int x, int y) const {
    const std::uint8_t* p =
        &lastFrame[static_cast<std::size_t>((ClientHeight() - 1 - y) * ClientWidth() + x) * 4];
    return {p[0], p[1], p[2], p[3]};
  }

  std::vector<std::uint8_t> minimiseCalls;
  std::vector<std::uint8_t> lastFrame;
};

// Where the window stands on the desktop, as the video system has it.
std::pair<int, int> WindowPosition() {
  int x = 0;
  int y = 0;
  SDL_GetWindowPosition(SDL_GL_GetCurrentWindow(), &x, &y);
  return {x, y};
}

// Whether the quit message is waiting, taking every message up to it.
bool QuitPosted() {
  platform::WindowEvent message;
  while (platform::PollWindowEvent(message)) {
    if (message.kind == platform::WindowEventKind::Quit) {
      return true;
    }
  }
  return false;
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
    screen->SetBackground("Back.Tga");
    application_->Screens().AddWindow(std::move(screen));
    application_->Screens().SetActiveWindow(kScreen);
    return shown;
  }

  // Input at a point of the 512 x 512 layout (origin bottom left) of the 640 x 480 window.
  void Send(std::uint32_t type, float x, float y, std::uint16_t flags = 0) {
    application_->OnInput(OEvent::Mouse(type, OEvent::kLeft, flags, Pixel(x, 640), Pixel(512 - y, 480)));
  }
  void SendAtPixel(std::uint32_t type, int x, int y, std::uint16_t flags) {
    application_->OnInput(OEvent::Mouse(type, OEvent::kLeft, flags, static_cast<std::uint16_t>(x),
                                        static_cast<std::uint16_t>(y)));
  }
  void Click(float x, float y) {
    Send(OEvent::kMouseMove, x, y);
    Send(OEvent::kButtonDown, x, y, platform::kMouseLeft);
    Send(OEvent::kButtonUp, x, y);
  }
  static std::uint16_t Pixel(float layout, int windowSize) {
    return static_cast<std::uint16_t>(layout * static_cast<float>(windowSize) / 512.0f);
  }

  static constexpr float kButtonY = 485.0f;
  static constexpr float kMinimiseX = 442.0f;
  static constexpr float kFullScreenX = 459.0f;
  static constexpr float kQuitX = 476.0f;

  TempFolder folder_;
  OConfig config_{folder_ / "Data/Config.Cfg"};
  OLog log_{folder_ / "Report.html"};
  TestArchive archive_{Assets()};
  std::unique_ptr<WatchedApplication> application_;
};

TEST_F(GameRenderWindowTest, InAWindowTheButtonsShowAndQuitAndMinimise) {
  ShowScreen();
  application_->Frame(16);
  const auto button = application_->PixelAt(Pixel(kQuitX, 640), Pixel(512.0f - kButtonY, 480));
  const auto beside = application_->PixelAt(Pixel(kQuitX, 640), Pixel(512.0f - kButtonY + 20.0f, 480));
  EXPECT_EQ(beside, (std::array<std::uint8_t, 4>{0, 0, 255, 255})) << "the blue background";
  EXPECT_NE(button, beside) << "the quit button drawn over it";

  Click(kMinimiseX, kButtonY);
  EXPECT_EQ(application_->minimiseCalls, std::vector<std::uint8_t>{0});
  EXPECT_FALSE(QuitPosted());

  SCOPED_TRACE("beside the buttons nothing happens");
  Click(kQuitX + 12.0f, kButtonY);
  EXPECT_FALSE(QuitPosted());
  Click(kQuitX, kButtonY);
  EXPECT_TRUE(QuitPosted());
}

TEST_F(GameRenderWindowTest, FullScreenHidesTheButtonsOfTheScreenShownAgain) {
  GameRenderWindow& screen = ShowScreen();
  Click(kFullScreenX, kButtonY);
  EXPECT_EQ(application_->FullScreen(), 1);
  EXPECT_EQ(application_->Screens().ActiveWindow(), &screen);
  Click(kQuitX, kButtonY);
  Click(kMinimiseX, kButtonY);
  EXPECT_FALSE(QuitPosted()) << "hidden buttons take no clicks";
  EXPECT_TRUE(application_->minimiseCalls.empty());
  application_->Frame(16);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  SCOPED_TRACE("a screen shown later in full screen hides them too");
  auto later = std::make_unique<GameRenderWindow>(kScreen + 1);
  application_->Screens().AddWindow(std::move(later));
  application_->Screens().SetActiveWindow(kScreen + 1);
  Click(kQuitX, kButtonY);
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
  SendAtPixel(OEvent::kMouseMove, 100, 300, 0);
  SendAtPixel(OEvent::kButtonDown, 100, 300, kHeld);
  SendAtPixel(OEvent::kMouseMove, 110, 305, kHeld);
  EXPECT_EQ(moved(), (std::pair{10, 5}));
  // The window has moved under the pointer: 4 pixels further right is 104 in it now.
  SendAtPixel(OEvent::kMouseMove, 104, 300, kHeld);
  EXPECT_EQ(moved(), (std::pair{14, 5})) << "the grabbed point follows the pointer";
  SendAtPixel(OEvent::kButtonUp, 104, 300, 0);
  SendAtPixel(OEvent::kMouseMove, 150, 300, kHeld);
  EXPECT_EQ(moved(), (std::pair{14, 5})) << "released, the window stays";

  SCOPED_TRACE("a press on a button is the button's");
  Send(OEvent::kMouseMove, kQuitX, kButtonY);
  Send(OEvent::kButtonDown, kQuitX, kButtonY, kHeld);
  Send(OEvent::kMouseMove, kQuitX, kButtonY - 40.0f, kHeld);
  Send(OEvent::kButtonUp, kQuitX, kButtonY - 40.0f);
  EXPECT_EQ(moved(), (std::pair{14, 5}));
  EXPECT_FALSE(QuitPosted());

  SCOPED_TRACE("a release the screen missed ends the drag");
  SendAtPixel(OEvent::kButtonDown, 100, 300, kHeld);
  SendAtPixel(OEvent::kMouseMove, 120, 300, 0);
  SendAtPixel(OEvent::kMouseMove, 140, 300, kHeld);
  EXPECT_EQ(moved(), (std::pair{14, 5}));
}

TEST_F(GameRenderWindowTest, InFullScreenTheWindowStaysPut) {
  ShowScreen();
  application_->SetFullScreen(1);
  const auto start = WindowPosition();
  SendAtPixel(OEvent::kButtonDown, 100, 300, platform::kMouseLeft);
  SendAtPixel(OEvent::kMouseMove, 130, 300, platform::kMouseLeft);
  EXPECT_EQ(WindowPosition(), start);
}

TEST_F(GameRenderWindowTest, CommandsOtherThanTheWindowButtonsAreLeftToTheScreen) {
  GameRenderWindow& screen = ShowScreen();
  EXPECT_FALSE(screen.OnCommand(2030, OControl::kClicked));
  EXPECT_TRUE(screen.OnCommand(GameRenderWindow::kQuitCommand, OControl::kClicked));
  EXPECT_TRUE(QuitPosted());
}

}  // namespace
