// A real screen with its routing, seen through the game's camera (64 units
// back, 60 degrees, 640 x 480), holding buttons made from the generated
// models; the commands the buttons send are kept in order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/ORenderWindow.h"
#include "gfx/OCamera.h"
#include "support/GLTestContext.h"
#include "support/TestArchive.h"
#include "ui/OControl3D.h"

using Command = std::pair<std::uint32_t, std::uint32_t>;
using Commands = std::vector<Command>;

class RecordingScreen : public ORenderWindow {
 public:
  RecordingScreen() : ORenderWindow(201) {}

  bool OnCommand(std::uint32_t command, std::uint32_t param) override {
    commands.emplace_back(command, param);
    return answer;
  }
  // What was sent since the last look.
  Commands Take() { return std::exchange(commands, {}); }

  Commands commands;
  bool answer = true;
};

class ButtonScreen : public ::testing::Test {
 protected:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 480;

  ButtonScreen();

  // Loads the model, places the button at a point of the 512 x 512 layout and puts it on the screen.
  template <typename Button>
  Button& Add(std::unique_ptr<Button> button, const std::string& model, float x, float y) {
    Button& added = *button;
    Place(added, model, x, y);
    screen_.AddControl(std::move(button));
    return added;
  }

  // Input as the window gives it, at a point of the layout (origin bottom left).
  bool MoveTo(float x, float y);
  bool Press(float x, float y, std::uint32_t button = OEvent::kLeft);
  bool Release(float x, float y);
  bool Key(std::uint16_t key);

  GLTestContext context_{kWidth, kHeight};
  TestArchive archive_;
  OCamera camera_{kWidth, kHeight, 60.0f, 1.0f, 1024.0f};
  RecordingScreen screen_;

 private:
  void Place(OControl3D& control, const std::string& model, float x, float y);
  bool Send(std::uint32_t type, std::uint32_t button, float x, float y);
};
