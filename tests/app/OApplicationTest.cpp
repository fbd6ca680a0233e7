// The application on a real window of the offscreen video driver: the loading
// picture, frames and input handed to the shown screen, the loop ending on the
// quit message, minimising, and a change of display mode that rebuilds what
// lived in the old context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "app/OApplication.h"
#include "app/OConfig.h"
#include "app/OLog.h"
#include "assetgen/RgbaImage.h"
#include "gfx/OCursor.h"
#include "gfx/OFont.h"
#include "platform/Events.h"
#include "support/GLTestContext.h"
#include "support/OffscreenVideo.h"
#include "support/TestArchive.h"
#include "support/TestFiles.h"
#include "support/TestImages.h"
#include "ui/OEvent.h"

namespace {

using Pixels = std::vector<std::uint8_t>;

// SDL unloads Mesa's driver when its window goes, and what the driver still
// holds then looks lost to the leak checker. A context of our own, kept for the
// whole test program, keeps the driver loaded.
void KeepGLDriverLoaded() { static const GLTestContext keeper(1, 1); }

// A font sheet whose every glyph is a solid block, so text shows as white boxes.
std::vector<std::uint8_t> BlockFont() {
  RgbaImage sheet(512, 256, {255, 255, 255, 0});
  for (int code = 33; code < 128; ++code) {
    for (int y = 4; y < 28; ++y) {
      for (int x = 2; x < 20; ++x) {
        sheet.At((code - 32) % 16 * 32 + x, (code - 32) / 16 * 32 + y)[3] = 255;
      }
    }
  }
  return sheet.ToTga(true);
}

TestArchive::Members SharedAssets() {
  return {{"Data/Textures/Loading.jpg", JpegFile({"GG", "GG"}, 16)},
          {"Data/Textures/Font.Tga", BlockFont()},
          {"Data/Textures/Cursor.Tga", TgaFile({"RR", "RR"}, 32)},
          {"Data/Textures/Back.Tga", TgaFile({"BB", "BB"})}};
}

// Keeps every picture just before it is shown.
class RecordingApplication : public OApplication {
 public:
  using OApplication::OApplication;

  void Flip() override {
    Pixels pixels(static_cast<std::size_t>(ClientWidth()) * ClientHeight() * 4);
    glReadPixels(0, 0, ClientWidth(), ClientHeight(), GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    frames.push_back(std::move(pixels));
    OApplication::Flip();
  }

  // The pixel at (x, y) of the last picture, y from the top of the window.
  std::array<std::uint8_t, 4> PixelAt(int x, int y) const {
    const std::uint8_t* p = &frames.back()[((ClientHeight() - 1 - y) * ClientWidth() + x) * 4];
    return {p[0], p[1], p[2], p[3]};
  }

  std::vector<Pixels> frames;
};

class RecordingScreen : public ORenderWindow {
 public:
  using ORenderWindow::ORenderWindow;

  void Update(std::uint32_t deltaMs) override { updates.push_back(deltaMs); }
  void Draw() override {
    ++draws;
    ORenderWindow::Draw();
  }
  bool HandleEvent(const OEvent& event) override {
    events.push_back(event);
    return false;
  }

  std::vector<std::uint32_t> updates;
  int draws = 0;
  std::vector<OEvent> events;
};

class OApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    USE_OFFSCREEN_VIDEO_OR_SKIP();
    KeepGLDriverLoaded();
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // Windowed 640 x 480, 32 bits.
    config_.displayMode = 0;
    config_.colourDepth = 32;
    config_.fullScreen = false;
    config_.Save();
    application_ = std::make_unique<RecordingApplication>(config_, log_);
    application_->Create("3D", "Tornet 3D", 800, 600, 0);
    ASSERT_TRUE(application_->HasRenderingContext());
    application_->Init();
  }

  RecordingScreen& ShowScreen() {
    auto screen = std::make_unique<RecordingScreen>(201);
    RecordingScreen& shown = *screen;
    screen->SetBackground("Back.Tga");
    application_->Screens().AddWindow(std::move(screen));
    application_->Screens().SetActiveWindow(201);
    return shown;
  }

  TempFolder folder_;
  OConfig config_{folder_ / "Data/Config.Cfg"};
  OLog log_{folder_ / "Report.html"};
  TestArchive archive_{SharedAssets()};
  std::unique_ptr<RecordingApplication> application_;
};

TEST_F(OApplicationTest, TheLoadingScreenShowsItsPictureAndHowFarStartUpHasCome) {
  RecordingApplication& application = *application_;
  application.DrawLoading(50);
  ASSERT_EQ(application.ClientWidth(), 640);
  // The picture in the middle, a quarter of the layout's height below the top...
  const auto middle = application.PixelAt(320, 240);
  EXPECT_GT(middle[1], 200) << "the green loading picture";
  EXPECT_LT(middle[0], 60);
  EXPECT_EQ(application.PixelAt(320, 100)[1], 0) << "black round it";
  // ...and the red line under it, half way across at 50 percent.
  bool redLeft = false;
  bool redRight = false;
  for (int y = 245; y < 260; ++y) {
    redLeft = redLeft || application.PixelAt(100, y)[0] > 200;
    redRight = redRight || application.PixelAt(500, y)[0] > 200;
  }
  EXPECT_TRUE(redLeft);
  EXPECT_FALSE(redRight);
}

TEST_F(OApplicationTest, AFrameUpdatesAndDrawsTheShownScreenAndInputReachesIt) {
  RecordingScreen& screen = ShowScreen();
  EXPECT_EQ(screen.PixelWidth(), 640);
  application_->Frame(16);
  application_->Frame(0);
  EXPECT_EQ(screen.updates, (std::vector<std::uint32_t>{16, 0}));
  EXPECT_EQ(screen.draws, 2);
  EXPECT_GT(application_->PixelAt(320, 400)[2], 200) << "the screen's blue background";

  application_->OnInput(OEvent::Mouse(OEvent::kMouseMove, 0, 0, 100, 50));
  ASSERT_EQ(screen.events.size(), 1u);
  EXPECT_EQ(application_->Cursor()->X(), 100);
  EXPECT_EQ(application_->Cursor()->Y(), 50);
  application_->Frame(16);
  // The pointer picture hangs from the mouse point, 30 pixels high in a 480-pixel window.
  EXPECT_GT(application_->PixelAt(110, 60)[0], 200);
  EXPECT_LT(application_->PixelAt(110, 60)[2], 60);
  EXPECT_GT(application_->PixelAt(110, 40)[2], 200) << "nothing above the mouse point";
}

TEST_F(OApplicationTest, MinimisingMutesTheEffectsAndRestoringBringsThemBackAsSet) {
  config_.soundOn = true;
  application_->HandleWindowEvent({platform::WindowEventKind::Minimised});
  EXPECT_EQ(application_->Active(), 0);
  EXPECT_FALSE(application_->Sound().effectsEnabled);
  application_->HandleWindowEvent({platform::WindowEventKind::Restored, {}, 0, 0, 0, 0, 640, 480});
  EXPECT_EQ(application_->Active(), 1);
  EXPECT_TRUE(application_->Sound().effectsEnabled);

  config_.soundOn = false;
  application_->HandleWindowEvent({platform::WindowEventKind::Minimised});
  application_->HandleWindowEvent({platform::WindowEventKind::Restored, {}, 0, 0, 0, 0, 640, 480});
  EXPECT_FALSE(application_->Sound().effectsEnabled);
}

TEST_F(OApplicationTest, TheLoopEndsOnTheQuitMessageAndDeletesTheScreens) {
  ShowScreen();
  application_->PostQuit();
  EXPECT_EQ(application_->Run(), 0);
  EXPECT_EQ(application_->Screens().FindWindow(201), nullptr);
}

TEST_F(OApplicationTest, ChangingTheDisplayModeRebuildsTexturesAndFontAndSaysSoTwice) {
  RecordingScreen& screen = ShowScreen();
  application_->frames.clear();
  ASSERT_TRUE(application_->ChangeResolution(1));
  EXPECT_EQ(application_->ClientWidth(), 800);
  EXPECT_EQ(application_->ModeIndex(), 1);
  EXPECT_EQ(screen.PixelWidth(), 800) << "every screen gets the new size";

  // "Applying Changes" twice, in white letters in the middle.
  ASSERT_EQ(application_->frames.size(), 2u);
  for (const Pixels& frame : application_->frames) {
    int white = 0;
    for (std::size_t i = 0; i + 3 < frame.size(); i += 4) {
      white += frame[i] > 200 && frame[i + 1] > 200 && frame[i + 2] > 200 ? 1 : 0;
    }
    EXPECT_GT(white, 500);
  }
  ASSERT_NE(application_->Font(), nullptr);
  EXPECT_GT(application_->Font()->TextWidth("Applying Changes"), 100);

  // The new context draws the old pictures.
  application_->Frame(16);
  EXPECT_GT(application_->PixelAt(400, 500)[2], 200) << "the background came back";
  const std::string log = ReadText(folder_ / "Report.html");
  EXPECT_NE(log.find("Changing resolution: Mode 1"), std::string::npos);
  EXPECT_NE(log.find("Resolution change: Ok"), std::string::npos);
}

}  // namespace
