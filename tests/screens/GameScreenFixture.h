// A real application on the offscreen video driver with the generated models
// and pictures, the plain main menu (201) and score screen (209) to switch to,
// and a game screen shown on it. The colour generator starts from a known
// seed, so every run deals the same boards.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/OApplication.h"
#include "app/OConfig.h"
#include "app/OLog.h"
#include "app/OScreenList.h"
#include "support/TestArchive.h"
#include "support/TestFiles.h"

class Cylinder;
class BoardWindow;

// Hears which sounds the screens ask for, and keeps each picture just before it is shown.
class ListeningApplication : public OApplication {
 public:
  using OApplication::OApplication;

  void PlaySound(std::int32_t sound) override {
    sounds.push_back(sound);
    OApplication::PlaySound(sound);
  }
  void Flip() override;

  std::vector<std::int32_t> sounds;
  std::vector<std::uint8_t> picture;  // RGBA, bottom row first
};

class GameScreenFixture : public ::testing::Test {
 protected:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;
  static constexpr std::uint32_t kMenu = 201;
  static constexpr std::uint32_t kScoreScreen = 209;

  struct Pixel {
    int x;
    int y;
  };

  void SetUp() override;
  void TearDown() override;

  template <typename Screen>
  Screen& Show() {
    auto screen = std::make_unique<Screen>();
    // As the game-type screen makes them.
    screen->SetBackground("brightgameback.jpg");
    Screen& shown = *screen;
    application_->Screens().AddWindow(std::move(screen));
    application_->Screens().SetActiveWindow(Screen::kIdentifier);
    return shown;
  }

  // Registers a real screen in place of the plain one with its identifier.
  template <typename Screen>
  Screen& Register(std::unique_ptr<Screen> screen) {
    OScreenList& screens = application_->Screens();
    std::unique_ptr<ORenderWindow> plain = screens.RemoveWindow(screens.FindWindow(screen->Identifier()));
    Screen& registered = *screen;
    screens.AddWindow(std::move(screen));
    return registered;
  }

  std::uint32_t ActiveScreen() const;
  // Frames of the shown screen without drawing them, as many as it takes.
  void Run(std::uint32_t elapsed, int frames = 1);
  // Frames until the condition holds; false when it never did.
  bool RunUntil(const std::function<bool()>& condition, std::uint32_t elapsed = 20);
  // Runs frames until the board lies still again.
  void FinishIntro(BoardWindow& screen);
  void FinishMove(BoardWindow& screen);
  // One whole frame of the application, drawing included.
  void DrawFrame() { application_->Frame(16); }

  // Input at a window pixel, y from the top, through the application.
  void Move(Pixel at);
  void Click(Pixel at);
  void Press(Pixel at);
  void Release(Pixel at);
  void PressKey(std::uint16_t key);
  // The first pixel of a sweep over the window at which the condition holds
  // after the pointer moved there.
  std::optional<Pixel> FindPointer(const std::function<bool()>& condition);
  // Where the screen's layout point (512 x 512, origin bottom left) lies in the window.
  static Pixel LayoutPoint(float x, float y);

  TempFolder folder_;
  OConfig config_{folder_ / "Data/Config.Cfg"};
  OLog log_{folder_ / "Report.html"};
  std::unique_ptr<TestArchive> archive_;
  std::unique_ptr<ListeningApplication> application_;
};

// Pixels that differ clearly between two pictures of the window in the box of
// `radius` layout units round a layout point.
int ChangedAround(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b, float x, float y,
                  float radius);
// Whether the quit message is waiting, taking every message up to it. One
// round of polling may stop short of messages posted since the last round.
bool QuitPosted();
// Writes a picture of the window as a PNG, to look at.
void SavePicture(const std::vector<std::uint8_t>& pixels, const std::string& path);
// The colours of every cell, ring by ring from the bottom, as the columns stand.
std::vector<std::uint16_t> Colours(const Cylinder& board);
// The number of blocks drawn in the group highlight's flat full colour.
int HighlightedBlocks(const Cylinder& board);
