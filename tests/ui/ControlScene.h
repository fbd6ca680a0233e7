// A screen as the game shows it, on a headless GL context of 640 x 480: the
// game's camera 64 units back, the generated control models, two skins and a
// font whose every glyph advances 10 pixels (a space 12), in a temporary
// archive. Events go through the screen's own routing, and what the controls
// tell it is kept.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/ORenderWindow.h"
#include "gfx/OCamera.h"
#include "gfx/OFont.h"
#include "support/GLTestContext.h"
#include "support/TestArchive.h"

using Command = std::pair<std::uint32_t, std::uint32_t>;
using Commands = std::vector<Command>;

class ControlScreen : public ORenderWindow {
 public:
  ControlScreen() : ORenderWindow(205) {}

  bool OnCommand(std::uint32_t command, std::uint32_t param) override {
    commands.emplace_back(command, param);
    if (onCommand) {
      onCommand();
    }
    return true;
  }

  Commands commands;
  // Runs while the control waits for the answer, to see what the screen sees then.
  std::function<void()> onCommand;
};

class ControlScene {
 public:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 480;
  static constexpr int kGlyphAdvance = 10;
  using Pixel = std::array<int, 2>;

  ControlScene();
  ~ControlScene();
  ControlScene(const ControlScene&) = delete;
  ControlScene& operator=(const ControlScene&) = delete;

  // Puts the control on the screen, which calls its Init.
  template <typename Control>
  Control& Add(std::unique_ptr<Control> control) {
    Control& added = *control;
    screen_.AddControl(std::move(control));
    return added;
  }
  // Loads the control's model, stands it on a point of the 512 x 512 layout at
  // the given scale and adds it.
  template <typename Control>
  Control& AddModel(std::unique_ptr<Control> control, const char* model, float layoutX, float layoutY,
                    float scale = 1.0f) {
    control->Load(model);
    control->PlaceAtDesignPoint(layoutX, layoutY, 0.0f, camera_, ORenderWindow::kLayoutSize,
                                ORenderWindow::kLayoutSize);
    control->SetScale(scale, scale, scale);
    return Add(std::move(control));
  }
  // The window pixel (y down) where a world point is seen.
  Pixel PixelOf(const std::array<float, 3>& world) const;
  Pixel PixelOf(const O3D& object) const { return PixelOf(object.GetWorldPosition()); }

  bool Send(std::uint32_t type, Pixel at, std::uint32_t button = OEvent::kLeft);
  bool Move(Pixel at) { return Send(OEvent::kMouseMove, at); }
  bool Press(Pixel at) { return Send(OEvent::kButtonDown, at); }
  bool Release(Pixel at) { return Send(OEvent::kButtonUp, at); }
  bool Click(Pixel at);
  bool Key(std::uint16_t key);
  bool Type(const std::string& text);

  // The colour drawn at a pixel, y down.
  std::array<std::uint8_t, 3> DrawnPixel(Pixel at);
  // Every pixel drawn, RGB, rows bottom up.
  std::vector<std::uint8_t> DrawnFrame();
  // The leftmost and rightmost pixels of a row (y down) where anything is drawn.
  Pixel DrawnSpan(int y);

  GLTestContext& Context() { return context_; }
  ControlScreen& Screen() { return screen_; }
  const OFont& Font() const { return font_; }
  // What the controls told the screen since the last call.
  Commands TakeCommands() { return std::exchange(screen_.commands, {}); }

 private:
  GLTestContext context_{kWidth, kHeight};
  std::unique_ptr<TestArchive> archive_;
  OCamera camera_;
  OFont font_{"Font.Tga"};
  ControlScreen screen_;

  void DrawScreen();
};

// Each test gets its own scene, and stops when no GL context can be made.
class ControlSceneTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(scene_.Context().Ok()) << scene_.Context().Error(); }

  ControlScene scene_;
};
