// The real application on the offscreen video driver, 800 x 600 in a window,
// with the generated models and pictures, the main menu and the game-type
// screen, and a plain screen for the top ten (209) to switch to. The colour
// generator starts from a known seed, so every run deals the same boards.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/OApplication.h"
#include "app/OScreenList.h"
#include "core/OConfig.h"
#include "core/OLog.h"
#include "platform/Events.h"
#include "support/TestArchive.h"
#include "support/TestFiles.h"

class BoardWindow;
class GameTypeWindow;
class OMenuWindow;

using Picture = std::vector<std::uint8_t>;  // RGBA, bottom row first

// Hears the sounds the screens ask for and the minimise calls, and keeps each
// picture just before it is shown.
class ListeningApplication : public OApplication {
 public:
  using OApplication::OApplication;

  void PlaySound(std::int32_t sound) override {
    sounds.push_back(sound);
    OApplication::PlaySound(sound);
  }
  void ShowMinimised(std::uint8_t restore) override {
    minimised.push_back(restore);
    OApplication::ShowMinimised(restore);
  }
  void Flip() override;

  std::vector<std::int32_t> sounds;
  std::vector<std::uint8_t> minimised;
  Picture picture;
};

class GameScreenFixture : public ::testing::Test {
 protected:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;
  static constexpr std::uint32_t kMenu = 201;
  static constexpr std::uint32_t kScoreScreen = 209;
  static constexpr std::uint16_t kEscape = 27;

  struct Pixel {
    int x;
    int y;
  };

  void SetUp() override;
  void TearDown() override;

  // Puts a screen in, in place of one with its identifier.
  template <typename Screen>
  Screen& Add(std::unique_ptr<Screen> screen, const char* background = "nongameback.jpg") {
    screen->SetBackground(background);
    Screens().RemoveWindow(Screens().FindWindow(screen->Identifier()));
    Screen& added = *screen;
    Screens().AddWindow(std::move(screen));
    return added;
  }
  // A game screen as the game-type screen makes and shows it.
  template <typename Screen>
  Screen& Show() {
    Screen& shown = Add(std::make_unique<Screen>(), "brightgameback.jpg");
    Screens().SetActiveWindow(Screen::kIdentifier);
    return shown;
  }
  OScreenList& Screens() { return application_->Screens(); }
  std::uint32_t ActiveScreen() { return Screens().ActiveWindow()->Identifier(); }

  // Frames of the shown screen without drawing them.
  void Run(std::uint32_t elapsed, int frames = 1) {
    for (int frame = 0; frame < frames; ++frame) {
      Screens().ActiveWindow()->Update(elapsed);
    }
  }
  // Frames until the condition holds; false when it never did.
  bool RunUntil(const std::function<bool()>& condition, std::uint32_t elapsed = 20);
  // The pointer where the condition holds.
  Pixel PointWhere(const std::function<bool()>& condition) {
    const std::optional<Pixel> found = FindPointer(condition);
    EXPECT_TRUE(found.has_value()) << "under no pixel";
    return found.value_or(Pixel{0, 0});
  }
  Pixel PointAtGroup(BoardWindow& screen);
  // Frames until the board lies still.
  void FinishIntro(BoardWindow& screen);
  void FinishMove(BoardWindow& screen);
  // One whole frame of the application, drawing included; its picture.
  const Picture& DrawFrame() {
    application_->Frame(16);
    return application_->picture;
  }

  // Input at a window pixel, y from the top, through the application;
  // `held` has the buttons held down.
  void Send(std::uint32_t type, Pixel at, std::uint16_t held = 0) {
    application_->OnInput(OEvent::Mouse(type, OEvent::kLeft, held, static_cast<std::uint16_t>(at.x),
                                        static_cast<std::uint16_t>(at.y)));
  }
  void Move(Pixel at) { Send(OEvent::kMouseMove, at); }
  void Click(Pixel at) {
    Move(at);
    Send(OEvent::kButtonDown, at, platform::kMouseLeft);
    Send(OEvent::kButtonUp, at);
  }
  void ClickAt(float layoutX, float layoutY) { Click(LayoutPoint(layoutX, layoutY)); }
  void PressKey(std::uint16_t key) { application_->OnInput(OEvent::Key(OEvent::kKeyDown, key, 0)); }

 public:
  void Input(const OEvent& event) { application_->OnInput(event); }

 protected:
  // The first pixel of a sweep over the window at which the condition holds
  // after the pointer moved there.
  std::optional<Pixel> FindPointer(const std::function<bool()>& condition);
  // Where a point of the screen's layout (512 x 512, origin bottom left) lies in the window.
  static Pixel LayoutPoint(float x, float y) {
    return {static_cast<int>(x * kWidth / 512.0f), static_cast<int>(kHeight - y * kHeight / 512.0f)};
  }

  TempFolder folder_;
  OConfig config_{folder_ / "Data/Config.Cfg"};
  OLog log_{folder_ / "Report.html"};
  std::unique_ptr<TestArchive> archive_;
  std::unique_ptr<ListeningApplication> application_;
  OMenuWindow* menu_ = nullptr;
  GameTypeWindow* gameType_ = nullptr;
};

// Pixels that differ clearly between two pictures of the window in the box of
// `radius` layout units round a layout point.
int ChangedAround(const Picture& a, const Picture& b, float x, float y, float radius);
// Whether the quit message is waiting, taking every message up to it. One
// round of polling may stop short of messages posted since the last round.
bool QuitPosted();
