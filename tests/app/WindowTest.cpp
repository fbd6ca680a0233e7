// The window and the application: display modes applied on a made-up
// display, the window procedure, and real windows made from the settings.
#include <GL/gl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>

#include "AppWorld.h"
#include "app/OApplication.h"
#include "app/OGLWindow.h"
#include "platform/Events.h"
#include "ui/OEvent.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Kind = platform::WindowEventKind;

namespace {

using Pair = std::pair<int, int>;
using Rgba = std::array<std::uint8_t, 4>;

// Records its input and state changes; with `fakeDisplay` the display is made
// up by the test: where it lies and whether it refuses full screen.
class TestWindow : public OGLWindow {
 public:
  using OGLWindow::ApplyDisplayMode;
  using OGLWindow::OGLWindow;
  using OGLWindow::RecreateWindow;
  using OGLWindow::SetModeIndex;

  bool OnInput(const OEvent& event) override { return events.push_back(event), true; }
  void Resize() override { resizes.emplace_back(ClientWidth(), ClientHeight()); }

  std::vector<OEvent> events;
  std::vector<Pair> resizes;

  bool fakeDisplay = false;
  platform::WindowBounds display{0, 0, 1024, 768};
  bool refusesFullScreen = false;
  std::vector<Pair> positionsAsked;  // where the window stood at each full-screen request
  int leaves = 0;

 protected:
  platform::WindowBounds DisplayArea() override { return fakeDisplay ? display : OGLWindow::DisplayArea(); }
  bool ChangeToFullScreen() override {
    if (!fakeDisplay) {
      return OGLWindow::ChangeToFullScreen();
    }
    positionsAsked.emplace_back(WindowX(), WindowY());
    return !refusesFullScreen;
  }
  void LeaveFullScreen() override { ++leaves, OGLWindow::LeaveFullScreen(); }
};

platform::WindowEvent Message(Kind kind, int x = 0, int y = 0, int width = 0, int height = 0) {
  return {kind, platform::MouseButton::Left, 0, 0, x, y, width, height};
}

Rgba ClearAndReadBack(float red, float green, float blue) {
  glClearColor(red, green, blue, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  Rgba pixel{};
  glReadPixels(1, 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
  return pixel;
}

// A window not larger than its display both ways stays a window, centred on
// that display; full screen covers the display the window is on, and a
// display that refuses it leaves a window. The picture keeps the mode's size.
TEST_F(WindowWorld, ADisplayModeIsAppliedAsAWindowOrFullScreen) {
  struct Case {
    const char* what;
    std::uint8_t fullScreen, mode;
    platform::WindowBounds display;
    bool refuses;
    bool applied;
    std::uint8_t fullScreenAfter;
    std::size_t requests;
    Pair position;
    int leaves;
  };
  const Case cases[] = {
      {"800 x 600 on 1024 x 768", 0, 1, {0, 0, 1024, 768}, false, true, 0, 0, {112, 84}, 1},
      {"too big both ways but wide enough", 0, 2, {0, 0, 1024, 600}, false, true, 0, 0, {0, -84}, 1},
      {"larger than the display goes full screen", 0, 2, {0, 0, 800, 600}, false, true, 1, 1, {0, 0}, 0},
      {"too big both ways but high enough", 0, 2, {0, 0, 800, 768}, false, true, 0, 0, {-112, 0}, 1},
      {"odd halves truncate toward zero", 0, 2, {0, 0, 801, 769}, false, true, 0, 0, {-111, 0}, 1},
      {"centred on a second display", 0, 0, {1920, 0, 1280, 1024}, false, true, 0, 0, {2240, 272}, 1},
      {"full screen at a second display's corner",
       1,
       0,
       {1920, 0, 1280, 1024},
       false,
       true,
       1,
       1,
       {1920, 0},
       0},
      {"full screen refused: a centred window", 1, 2, {0, 0, 1920, 1080}, true, true, 0, 1, {448, 156}, 1},
      {"a mode index that names no mode", 1, 3, {0, 0, 1024, 768}, false, false, 1, 0, {}, 0},
  };
  constexpr Pair kSizes[] = {{640, 480}, {800, 600}, {1024, 768}};
  TestWindow window(config, log);
  window.fakeDisplay = true;
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    window.SetFullScreen(test.fullScreen);
    window.SetModeIndex(test.mode);
    window.display = test.display;
    window.refusesFullScreen = test.refuses;
    window.positionsAsked.clear();
    window.leaves = 0;
    EXPECT_EQ(window.ApplyDisplayMode(), test.applied);
    EXPECT_EQ(window.FullScreen(), test.fullScreenAfter);
    EXPECT_EQ(window.positionsAsked.size(), test.requests);
    EXPECT_EQ(window.leaves, test.leaves);
    if (test.applied) {
      EXPECT_EQ(Pair(window.WindowX(), window.WindowY()), test.position);
      EXPECT_EQ(Pair(window.ClientWidth(), window.ClientHeight()), kSizes[test.mode]);
    }
  }
}

TEST_F(WindowWorld, MouseKeyAndControllerMessagesBecomeInputEvents) {
  TestWindow window(config, log);
  using Event = platform::WindowEvent;
  const std::uint16_t rightAndShift = platform::kMouseRight | platform::kMouseShift;
  for (const Event& message : {Message(Kind::MouseMove, 10, 20), Message(Kind::MouseMove, 8, 20),
                               Event{Kind::ButtonDown, platform::MouseButton::Right, rightAndShift, 0, 8, 20},
                               Event{Kind::KeyDown, {}, 0, 'A'}, Event{Kind::Character, {}, 0, 0xE9},
                               Event{Kind::PadDown, {}, 0, 5}, Event{Kind::PadUp, {}, 0, 13},
                               Message(Kind::ButtonUp, -3, 5), Message(Kind::None), Message(Kind::Quit)}) {
    window.HandleWindowEvent(message);
  }
  std::vector<std::string> events;  // after the first move, which steps from wherever the pointer was
  for (std::size_t i = 1; i < window.events.size(); ++i) {
    const OEvent& e = window.events[i];
    events.push_back(std::to_string(e.type) + " button " + std::to_string(e.button) + " flags " +
                     std::to_string(e.flags) + " key " + std::to_string(e.key) + " at " +
                     std::to_string(e.x) + "," + std::to_string(e.y) + " step " + std::to_string(e.dx) + "," +
                     std::to_string(e.dy));
  }
  // A move from x = 10 to 8 steps -2, keys carry the last pointer position,
  // and a release left of the window wraps as a 16-bit word.
  EXPECT_THAT(events, ElementsAre("4 button 0 flags 0 key 0 at 8,20 step 65534,0",
                                  "6 button 2 flags 6 key 0 at 8,20 step 0,0",
                                  "2 button 0 flags 0 key 65 at 8,20 step 0,0",
                                  "1 button 0 flags 0 key 233 at 8,20 step 0,0",
                                  "8 button 0 flags 0 key 5 at 8,20 step 0,0",
                                  "9 button 0 flags 0 key 13 at 8,20 step 0,0",
                                  "7 button 0 flags 0 key 0 at 65533,5 step 0,0"));
}

// Minimised, the effects are muted; only a restore brings them back as the
// settings say. Hidden, nothing is drawn but nothing is muted. Every screen
// gets the window's new size.
TEST_F(WindowWorld, MinimisingMutesTheGameAndOnlyARestoreWakesItAsSet) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  OApplication app(config, log);
  app.Screens().AddWindow(std::make_unique<ORenderWindow>(201));
  const ORenderWindow& screen = *app.Screens().FindWindow(201);
  for (const bool soundOn : {true, false}) {
    SCOPED_TRACE(soundOn);
    config.soundOn = soundOn;
    app.HandleWindowEvent(Message(Kind::Minimised));
    EXPECT_EQ(app.Active(), 0);
    EXPECT_FALSE(app.Seen());
    EXPECT_FALSE(app.Sound().effectsEnabled);
    app.HandleWindowEvent(Message(Kind::Maximised, 0, 0, 1024, 768));
    EXPECT_EQ(app.Active(), 1);
    EXPECT_FALSE(app.Sound().effectsEnabled);
    EXPECT_EQ(screen.PixelWidth(), 1024);
    app.HandleWindowEvent(Message(Kind::Restored, 0, 0, 800, 600));
    EXPECT_EQ(app.Sound().effectsEnabled, soundOn);
    app.HandleWindowEvent(Message(Kind::Hidden));
    EXPECT_FALSE(app.Seen());
    EXPECT_EQ(app.Sound().effectsEnabled, soundOn);
    app.HandleWindowEvent(Message(Kind::Shown));
    EXPECT_TRUE(app.Seen());
    EXPECT_EQ(screen.PixelHeight(), 600);
    app.HandleWindowEvent(Message(Kind::SizeChanged, 0, 0, 640, 480));
    EXPECT_EQ(screen.PixelHeight(), 480);
  }
}

// The offscreen display is 1024 x 768. Full screen covers it in any mode, the
// picture drawn at the mode's size and the pointer mapped onto it.
TEST_F(OffscreenWorld, AWindowIsMadeFromTheSettings) {
  struct Case {
    const char* what;
    std::int32_t mode, depth;
    bool full;
    int modeAfter, depthAfter, fullAfter;
    Pair position, size;
  };
  const Case cases[] = {
      {"a window centred on the desktop", 1, 32, false, 1, 32, 0, {112, 84}, {800, 600}},
      {"full screen at the display's own size", 2, 16, true, 2, 16, 1, {0, 0}, {1024, 768}},
      {"settings naming no mode are reset", 3, 32, false, 0, 16, 1, {0, 0}, {640, 480}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    SaveSettings(test.mode, test.depth, test.full);
    TestWindow window(config, log);
    ASSERT_TRUE(window.Create("3D", "Tornet 3D", 800, 600, 1));
    EXPECT_THAT(boxes, IsEmpty());
    ASSERT_TRUE(window.HasWindow() && window.HasRenderingContext());
    EXPECT_EQ(window.ModeIndex(), test.modeAfter);
    EXPECT_EQ(window.ColourBits(), test.depthAfter);
    EXPECT_EQ(window.FullScreen(), test.fullAfter);
    EXPECT_EQ(Pair(window.WindowX(), window.WindowY()), test.position);
    EXPECT_EQ(Pair(window.ClientWidth(), window.ClientHeight()), test.size);
    if (test.fullAfter != 0) {
      window.HandleWindowEvent(Message(Kind::MouseMove, 512, 384));
      EXPECT_EQ(Pair(window.events.back().x, window.events.back().y),
                Pair(test.size.first / 2, test.size.second / 2))
          << "the display's centre is the picture's";
    }
    EXPECT_EQ(ClearAndReadBack(0, 1, 0), (Rgba{0, 255, 0, 255}));
    window.Flip();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  }
  EXPECT_EQ(ReadText(config.fileName).substr(0, 10), "0\n16\n1\n10\n") << "the reset settings are saved";
  EXPECT_THAT(Report(), ::testing::HasSubstr("Creating rendering content\n"));
  EXPECT_THAT(Report(), ::testing::HasSubstr("Rendering content: Ok\n"));
  EXPECT_EQ(log.ErrorCount(), 0);
}

// A window that goes full screen is made at its display's corner, not where
// the windowed mode centred it, so that it covers that display.
TEST_F(OffscreenWorld, AModeChangeMakesANewWindowAndContextAtTheDisplaysCorner) {
  SaveSettings(1, 32, false);
  TestWindow window(config, log);
  window.fakeDisplay = true;
  ASSERT_TRUE(window.Create("3D", "Tornet 3D", 800, 600, 1));
  ASSERT_EQ(window.WindowX(), 112);
  window.SetFullScreen(1);
  window.RecreateWindow(2);
  EXPECT_EQ(window.ModeIndex(), 2);
  EXPECT_THAT(window.positionsAsked, ElementsAre(Pair{0, 0}));
  EXPECT_THAT(window.resizes, ElementsAre(Pair{1024, 768}));
  EXPECT_TRUE(window.HasWindow() && window.HasRenderingContext());
  EXPECT_EQ(ClearAndReadBack(0, 0, 1), (Rgba{0, 0, 255, 255}));
  EXPECT_THAT(boxes, IsEmpty());
  // The old window hides as it goes, the new one is seen. Closing the window
  // ends the loop through the quit message.
  platform::WindowEvent message;
  while (platform::PollWindowEvent(message)) {
    window.HandleWindowEvent(message);
  }
  EXPECT_TRUE(window.Seen());
  window.HandleWindowEvent(Message(Kind::Close));
  bool quit = false;
  while (!quit && platform::PollWindowEvent(message)) {
    quit = message.kind == Kind::Quit;
  }
  EXPECT_TRUE(quit);
}

TEST_F(WindowWorld, WithoutAVideoSystemCreateSaysSoAndTheWindowlessObjectStaysSafe) {
  setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
  OGLWindow window(config, log);
  EXPECT_FALSE(window.Create("3D", "Tornet 3D", 800, 600, 1));
  EXPECT_THAT(boxes, ElementsAre("Error: Can't register window class"));
  EXPECT_FALSE(window.HasWindow());
  window.Flip();
  window.BringToFront();
  window.ShowMinimised(0);
  window.MoveBy(5, 5);
  window.SetIcon(1, 1, {0, 0, 0, 0});
}

}  // namespace
