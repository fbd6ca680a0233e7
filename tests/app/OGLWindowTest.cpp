// The window and its context: the display-mode table and how a mode is
// applied (on a fake display), the window procedure, and real windows made
// from the settings on the offscreen video driver.
#include <GL/gl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/OConfig.h"
#include "app/OGLWindow.h"
#include "app/OLog.h"
#include "platform/MessageBox.h"
#include "support/OffscreenVideo.h"
#include "support/TestFiles.h"
#include "ui/OEvent.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

using Size = std::pair<std::uint32_t, std::uint32_t>;

// A window whose display is made up by the test: the modes it lists, the
// desktop's size, and how many full-screen requests it refuses first.
class FakeDisplayWindow : public OGLWindow {
 public:
  FakeDisplayWindow(OConfig& config, OLog& log) : OGLWindow(config, log) {}

  using OGLWindow::ApplyDisplayMode;
  using OGLWindow::EnumerateDisplayModes;
  using OGLWindow::SetModeIndex;

  std::vector<platform::DisplayMode> modes;
  platform::DesktopSize desktop{1024, 768};
  int refusalsBeforeSuccess = 0;  // negative: every request is refused
  std::vector<Size> requests;
  int desktopRestores = 0;

 protected:
  std::vector<platform::DisplayMode> ListDisplayModes() override { return modes; }
  platform::DesktopSize DesktopSize() override { return desktop; }
  bool ChangeToFullScreen(std::uint32_t width, std::uint32_t height) override {
    requests.emplace_back(width, height);
    return refusalsBeforeSuccess >= 0 && static_cast<int>(requests.size()) > refusalsBeforeSuccess;
  }
  void RestoreDesktopMode() override { ++desktopRestores; }
};

class DisplayModeTest : public ::testing::Test {
 protected:
  // Mode 1 at 60 and 75 Hz, mode 2 at 60, 75 and 85 Hz; mode 0 not offered.
  void ListTheUsualModes() {
    window_.modes = {{800, 600, 60, 32},
                     {800, 600, 75, 32},
                     {1024, 768, 60, 32},
                     {1024, 768, 75, 32},
                     {1024, 768, 85, 32}};
    window_.EnumerateDisplayModes();
  }

  TempFolder folder_;
  OConfig config_{folder_ / "Data/Config.Cfg"};
  OLog log_{folder_ / "Report.html"};
  FakeDisplayWindow window_{config_, log_};
};

TEST_F(DisplayModeTest, EachModeListsTheRatesOfItsSizeAtSixteenAndThirtyTwoBits) {
  window_.modes = {{800, 600, 60, 16},  {800, 600, 60, 32},   {800, 600, 75, 32}, {1024, 768, 85, 8},
                   {1024, 768, 70, 32}, {1280, 1024, 60, 32}, {1024, 600, 60, 32}};
  window_.EnumerateDisplayModes();
  const std::array<Size, 3> sizes{{{640, 480}, {800, 600}, {1024, 768}}};
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(window_.DisplayMode(i).width, sizes[i].first);
    EXPECT_EQ(window_.DisplayMode(i).height, sizes[i].second);
  }
  EXPECT_THAT(window_.DisplayMode(0).refreshRates, IsEmpty());
  EXPECT_THAT(window_.DisplayMode(1).refreshRates, ElementsAre(60, 60, 75));
  EXPECT_THAT(window_.DisplayMode(2).refreshRates, ElementsAre(70));
}

TEST_F(DisplayModeTest, AWindowNotSmallerThanTheDesktopBothWaysStaysAWindowCentred) {
  ListTheUsualModes();
  struct Case {
    const char* what;
    platform::DesktopSize desktop;
    std::uint8_t mode;
    std::int16_t x;
    std::int16_t y;
  };
  const std::vector<Case> cases{
      {"800 x 600 on 1024 x 768", {1024, 768}, 1, 112, 84},
      {"too big in both ways but wide enough", {1024, 600}, 2, 0, -84},
      {"too big in both ways but high enough", {800, 768}, 2, -112, 0},
      {"odd halves truncate toward zero", {801, 769}, 2, -111, 0},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    window_.desktop = test.desktop;
    window_.SetFullScreen(0);
    window_.SetModeIndex(test.mode);
    window_.requests.clear();
    const int restoresBefore = window_.desktopRestores;
    EXPECT_TRUE(window_.ApplyDisplayMode());
    EXPECT_EQ(window_.FullScreen(), 0);
    EXPECT_EQ(window_.WindowX(), test.x);
    EXPECT_EQ(window_.WindowY(), test.y);
    EXPECT_EQ(window_.ClientWidth(), static_cast<std::int16_t>(window_.DisplayMode(test.mode).width));
    EXPECT_EQ(window_.ClientHeight(), static_cast<std::int16_t>(window_.DisplayMode(test.mode).height));
    EXPECT_THAT(window_.requests, IsEmpty());
    EXPECT_EQ(window_.desktopRestores, restoresBefore + 1);
  }
}

TEST_F(DisplayModeTest, AWindowLargerThanTheDesktopBothWaysGoesFullScreen) {
  ListTheUsualModes();
  for (const platform::DesktopSize desktop : {platform::DesktopSize{800, 600}, platform::DesktopSize{0, 0}}) {
    SCOPED_TRACE(desktop.width);
    window_.desktop = desktop;
    window_.SetFullScreen(0);
    window_.SetModeIndex(2);
    window_.refusalsBeforeSuccess = 1;
    window_.requests.clear();
    EXPECT_TRUE(window_.ApplyDisplayMode());
    EXPECT_EQ(window_.FullScreen(), 1);
    EXPECT_THAT(window_.requests, ElementsAre(Size{1024, 768}, Size{1024, 768}));
    EXPECT_EQ(window_.WindowX(), 0);
    EXPECT_EQ(window_.WindowY(), 0);
    EXPECT_EQ(window_.ClientWidth(), 1024);
    EXPECT_EQ(window_.ClientHeight(), 768);
  }
}

TEST_F(DisplayModeTest, FullScreenAsksOncePerListedRateUntilOneSucceeds) {
  ListTheUsualModes();
  window_.SetFullScreen(1);
  struct Case {
    const char* what;
    std::uint8_t mode;
    int refusals;
    bool applied;
    std::size_t requests;
  };
  const std::vector<Case> cases{
      {"the first request succeeds", 2, 0, true, 1},
      {"the last listed rate succeeds", 2, 2, true, 3},
      {"every rate refused", 2, -1, false, 3},
      {"a mode the display does not list", 0, 0, false, 0},
      {"a mode index that names no mode", 3, 0, false, 0},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    window_.SetModeIndex(test.mode);
    window_.refusalsBeforeSuccess = test.refusals;
    window_.requests.clear();
    EXPECT_EQ(window_.ApplyDisplayMode(), test.applied);
    EXPECT_EQ(window_.requests.size(), test.requests);
    EXPECT_EQ(window_.desktopRestores, 0);
  }
}

// A window that records what its procedure does with each message.
class RecordingWindow : public OGLWindow {
 public:
  RecordingWindow(OConfig& config, OLog& log) : OGLWindow(config, log) {}

  using OGLWindow::RecreateWindow;

  bool OnInput(const OEvent& event) override {
    events.push_back(event);
    return true;
  }
  void Activate() override {
    OGLWindow::Activate();
    ++activations;
  }
  void Deactivate() override {
    OGLWindow::Deactivate();
    ++deactivations;
  }
  void Resize() override { resizes.emplace_back(ClientWidth(), ClientHeight()); }

  std::vector<OEvent> events;
  int activations = 0;
  int deactivations = 0;
  std::vector<std::pair<int, int>> resizes;
};

platform::WindowEvent Message(platform::WindowEventKind kind, int x = 0, int y = 0) {
  platform::WindowEvent message;
  message.kind = kind;
  message.x = x;
  message.y = y;
  return message;
}

class WindowProcedureTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  OConfig config_{folder_ / "Data/Config.Cfg"};
  OLog log_{folder_ / "Report.html"};
  RecordingWindow window_{config_, log_};
};

TEST_F(WindowProcedureTest, MouseAndKeyMessagesBecomeInputEvents) {
  using Kind = platform::WindowEventKind;
  platform::WindowEvent press = Message(Kind::ButtonDown, 8, 20);
  press.button = platform::MouseButton::Right;
  press.flags = platform::kMouseRight | platform::kMouseShift;
  platform::WindowEvent key = Message(Kind::KeyDown);
  key.key = 'A';
  platform::WindowEvent character = Message(Kind::Character);
  character.key = 0xE9;
  for (const platform::WindowEvent& message :
       {Message(Kind::MouseMove, 10, 20), Message(Kind::MouseMove, 8, 20), press, key, character,
        Message(Kind::ButtonUp, -3, 5), Message(Kind::None), Message(Kind::Quit)}) {
    window_.HandleWindowEvent(message);
  }
  ASSERT_EQ(window_.events.size(), 6u);
  {
    SCOPED_TRACE("a move from x = 10 to x = 8 steps -2");
    const OEvent& move = window_.events[1];
    EXPECT_EQ(move.type, OEvent::kMouseMove);
    EXPECT_EQ(move.dx, 65534);
    EXPECT_EQ(move.dy, 0);
  }
  {
    SCOPED_TRACE("a right press");
    const OEvent& down = window_.events[2];
    EXPECT_EQ(down.type, OEvent::kButtonDown);
    EXPECT_EQ(down.button, OEvent::kRight);
    EXPECT_EQ(down.flags, platform::kMouseRight | platform::kMouseShift);
  }
  {
    SCOPED_TRACE("keys carry the last pointer position");
    EXPECT_EQ(window_.events[3].type, OEvent::kKeyDown);
    EXPECT_EQ(window_.events[3].key, 'A');
    EXPECT_EQ(window_.events[3].x, 8);
    EXPECT_EQ(window_.events[3].y, 20);
    EXPECT_EQ(window_.events[4].type, OEvent::kCharacter);
    EXPECT_EQ(window_.events[4].key, 0xE9);
  }
  {
    SCOPED_TRACE("a release left of the window wraps as a 16-bit word");
    const OEvent& up = window_.events[5];
    EXPECT_EQ(up.type, OEvent::kButtonUp);
    EXPECT_EQ(up.button, OEvent::kLeft);
    EXPECT_EQ(up.x, 65533);
  }
}

TEST_F(WindowProcedureTest, MinimisingStopsTheGameAndOnlyARestoreWakesItFully) {
  using Kind = platform::WindowEventKind;
  platform::WindowEvent maximised = Message(Kind::Maximised);
  maximised.width = 1024;
  maximised.height = 768;
  platform::WindowEvent restored = Message(Kind::Restored);
  restored.width = 800;
  restored.height = 600;
  platform::WindowEvent resized = Message(Kind::SizeChanged);
  resized.width = 640;
  resized.height = 480;

  window_.HandleWindowEvent(Message(Kind::Minimised));
  EXPECT_EQ(window_.Active(), 0);
  EXPECT_EQ(window_.deactivations, 1);
  EXPECT_THAT(window_.resizes, IsEmpty());

  window_.HandleWindowEvent(maximised);
  EXPECT_EQ(window_.Active(), 1);
  EXPECT_EQ(window_.activations, 0);

  window_.HandleWindowEvent(Message(Kind::Minimised));
  window_.HandleWindowEvent(restored);
  EXPECT_EQ(window_.Active(), 1);
  EXPECT_EQ(window_.activations, 1);

  window_.HandleWindowEvent(resized);
  EXPECT_THAT(window_.resizes, ElementsAre(std::pair{1024, 768}, std::pair{800, 600}, std::pair{640, 480}));
  EXPECT_EQ(window_.Active(), 1);
  EXPECT_THAT(window_.events, IsEmpty());
}

// Real windows made by Create from the saved settings. The offscreen display
// offers a 1024 x 768 desktop and none of the game's full-screen modes.
class RealWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    USE_OFFSCREEN_VIDEO_OR_SKIP();
    previousBoxes_ = platform::SetMessageBoxHandler(
        [this](const std::string& caption, const std::string& text, platform::MessageBoxIcon) {
          boxes_.push_back(caption + ": " + text);
        });
  }
  void TearDown() override { platform::SetMessageBoxHandler(previousBoxes_); }

  void SaveSettings(std::int32_t displayMode, std::int32_t colourDepth, bool fullScreen) {
    OConfig saved(config_.fileName);
    saved.displayMode = displayMode;
    saved.colourDepth = colourDepth;
    saved.fullScreen = fullScreen;
    saved.Save();
  }

  static std::array<std::uint8_t, 4> ClearAndReadBack(float red, float green, float blue) {
    glClearColor(red, green, blue, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    std::array<std::uint8_t, 4> pixel{};
    glReadPixels(1, 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    return pixel;
  }

  TempFolder folder_;
  OConfig config_{folder_ / "Data/Config.Cfg"};
  OLog log_{folder_ / "Report.html"};
  std::vector<std::string> boxes_;

 private:
  platform::MessageBoxHandler previousBoxes_;
};

TEST_F(RealWindowTest, AWindowedModeIsCentredOnTheDesktopAndDraws) {
  SaveSettings(1, 32, false);
  RecordingWindow window(config_, log_);
  ASSERT_TRUE(window.Create("3D", "Tornet 3D", 800, 600, 1));
  EXPECT_THAT(boxes_, IsEmpty());
  ASSERT_TRUE(window.HasWindow());
  ASSERT_TRUE(window.HasRenderingContext());
  EXPECT_EQ(window.ModeIndex(), 1);
  EXPECT_EQ(window.ColourBits(), 32);
  EXPECT_EQ(window.FullScreen(), 0);
  EXPECT_EQ(window.ClientWidth(), 800);
  EXPECT_EQ(window.ClientHeight(), 600);
  EXPECT_EQ(window.WindowX(), 112);
  EXPECT_EQ(window.WindowY(), 84);

  EXPECT_EQ(ClearAndReadBack(0.0f, 1.0f, 0.0f), (std::array<std::uint8_t, 4>{0, 255, 0, 255}));
  window.Flip();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  const std::string report = ReadText(folder_ / "Report.html");
  EXPECT_THAT(report, HasSubstr("Creating rendering content"));
  EXPECT_THAT(report, HasSubstr("Pixel format select: Ok"));
  EXPECT_THAT(report, HasSubstr("Pixel format set: Ok"));
  EXPECT_THAT(report, HasSubstr("Rendering content: Ok"));
  EXPECT_EQ(log_.ErrorCount(), 0);

  SCOPED_TRACE("closing the window ends the loop through the quit message");
  platform::WindowEvent message;
  while (platform::PollWindowEvent(message)) {
  }
  window.HandleWindowEvent(Message(platform::WindowEventKind::Close));
  // The video system may still report changes to windows of earlier tests first.
  bool quit = false;
  while (!quit && platform::PollWindowEvent(message)) {
    quit = message.kind == platform::WindowEventKind::Quit;
  }
  EXPECT_TRUE(quit);
}

TEST_F(RealWindowTest, FullScreenTheDisplayCannotShowFallsBackToTheSmallestModeAndGoesOn) {
  SaveSettings(2, 16, true);
  RecordingWindow window(config_, log_);
  ASSERT_TRUE(window.Create("3D", "Tornet 3D", 800, 600, 0));
  EXPECT_EQ(window.ModeIndex(), 0);
  EXPECT_EQ(window.FullScreen(), 1);
  EXPECT_EQ(window.ColourBits(), 16);
  EXPECT_TRUE(window.HasWindow());
  EXPECT_TRUE(window.HasRenderingContext());
  EXPECT_THAT(boxes_, IsEmpty());
  EXPECT_EQ(ClearAndReadBack(1.0f, 0.0f, 0.0f), (std::array<std::uint8_t, 4>{255, 0, 0, 255}));
}

TEST_F(RealWindowTest, SettingsNamingNoModeAreResetAndSaved) {
  SaveSettings(3, 32, false);
  RecordingWindow window(config_, log_);
  ASSERT_TRUE(window.Create("3D", "Tornet 3D", 800, 600, 0));
  EXPECT_EQ(window.ModeIndex(), 0);
  EXPECT_EQ(window.ColourBits(), 16);
  EXPECT_EQ(window.FullScreen(), 1);
  EXPECT_EQ(ReadText(config_.fileName).substr(0, 10), "0\n16\n1\n10\n");
}

TEST_F(RealWindowTest, ADisplayModeChangeMakesANewWindowAndContext) {
  SaveSettings(1, 32, false);
  RecordingWindow window(config_, log_);
  ASSERT_TRUE(window.Create("3D", "Tornet 3D", 800, 600, 1));
  window.RecreateWindow(2);
  EXPECT_EQ(window.ModeIndex(), 2);
  EXPECT_TRUE(window.HasWindow());
  EXPECT_TRUE(window.HasRenderingContext());
  EXPECT_EQ(window.WindowX(), 0);
  EXPECT_EQ(window.WindowY(), 0);
  EXPECT_THAT(window.resizes, ElementsAre(std::pair{1024, 768}));
  EXPECT_EQ(ClearAndReadBack(0.0f, 0.0f, 1.0f), (std::array<std::uint8_t, 4>{0, 0, 255, 255}));
  window.Flip();
  EXPECT_THAT(boxes_, IsEmpty());
}

// A display that takes every full-screen request and notes where the window
// stood when it was asked.
class FullScreenWindow : public RecordingWindow {
 public:
  using RecordingWindow::RecordingWindow;

  std::vector<std::pair<int, int>> positionsAsked;

 protected:
  std::vector<platform::DisplayMode> ListDisplayModes() override { return {{800, 600, 60, 32}}; }
  bool ChangeToFullScreen(std::uint32_t, std::uint32_t) override {
    positionsAsked.emplace_back(WindowX(), WindowY());
    return true;
  }
};

TEST_F(RealWindowTest, AWindowGoingFullScreenFromAWindowedModeStandsAtTheScreensCorner) {
  SaveSettings(1, 32, false);
  FullScreenWindow window(config_, log_);
  ASSERT_TRUE(window.Create("3D", "Tornet 3D", 800, 600, 1));
  ASSERT_EQ(window.WindowX(), 112);
  window.SetFullScreen(1);
  window.RecreateWindow(1);
  EXPECT_THAT(window.positionsAsked, ElementsAre(std::pair{0, 0}));
  EXPECT_TRUE(window.HasWindow());
  EXPECT_THAT(boxes_, IsEmpty());
}

TEST_F(RealWindowTest, WithoutAVideoSystemCreateSaysSoAndTheWindowlessObjectStaysSafe) {
  setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
  OGLWindow window(config_, log_);
  EXPECT_FALSE(window.Create("3D", "Tornet 3D", 800, 600, 1));
  EXPECT_THAT(boxes_, ElementsAre("Error: Can't register window class"));
  EXPECT_FALSE(window.HasWindow());
  window.Flip();
  window.BringToFront();
  window.ShowMinimised(0);
  window.MoveBy(5, 5);
  window.SetIcon(1, 1, {0, 0, 0, 0});
}

}  // namespace
