// A screen as the game shows it, on a headless GL context: the game's camera
// 64 units back, the generated control models and a font whose every glyph
// advances 10 pixels (a space 12), in a temporary archive. Events go through
// the screen's own routing, and what the controls tell it is kept.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "app/ORenderWindow.h"
#include "gfx/OCamera.h"
#include "gfx/OFont.h"
#include "support/GLTestContext.h"
#include "support/TestArchive.h"

using Command = std::pair<std::uint32_t, std::uint32_t>;

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

  std::vector<Command> commands;
  // Runs while the control waits for the answer, to see what the screen sees then.
  std::function<void()> onCommand;
};

class ControlScene {
 public:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 480;
  static constexpr int kGlyphAdvance = 10;

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
  // Loads the control's model and places it at a point of the 512 x 512 layout before adding it.
  template <typename Control>
  Control& AddModel(std::unique_ptr<Control> control, const char* model, float layoutX, float layoutY) {
    control->Load(model);
    Place(*control, layoutX, layoutY);
    return Add(std::move(control));
  }
  // Where a model goes for a point of the layout, at depth 0.
  void Place(O3D& object, float layoutX, float layoutY) const;
  // The window pixel (y down) where a world point is seen.
  std::array<int, 2> PixelOf(const std::array<float, 3>& world) const;
  std::array<int, 2> PixelOf(const O3D& object) const { return PixelOf(object.GetWorldPosition()); }

  bool Move(int x, int y);
  bool Press(int x, int y);
  bool Release(int x, int y);
  bool Click(int x, int y);
  bool Key(std::uint16_t key);
  bool Type(const std::string& text);

  // Draws the screen and reads the pixel at (x, y), y down.
  std::array<std::uint8_t, 3> DrawnPixel(int x, int y);

  GLTestContext& Context() { return context_; }
  ControlScreen& Screen() { return screen_; }
  const OFont& Font() const { return font_; }
  // What the controls told the screen since the last call.
  std::vector<Command> TakeCommands() { return std::exchange(screen_.commands, {}); }

 private:
  bool Send(std::uint32_t type, int x, int y);

  GLTestContext context_{kWidth, kHeight};
  std::unique_ptr<TestArchive> archive_;
  OCamera camera_;
  OFont font_{"Font.Tga"};
  ControlScreen screen_;
};

// Each test gets its own scene, and stops when no GL context can be made.
class ControlSceneTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(scene_.Context().Ok()) << scene_.Context().Error(); }

  ControlScene scene_;
};
