// The Remover board as the game screen shows it, on a headless GL context: the
// camera 64 units back with a 65 degree view, the board 30 units in and turned
// so its axis runs up the screen, and the generated block models and pictures
// in a temporary archive.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "BoardHarness.h"
#include "game/RayCellPicker.h"
#include "gfx/OCamera.h"
#include "support/GLTestContext.h"
#include "support/TestArchive.h"

class BoardScene {
 public:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 480;

  // The generated assets, made once for the whole test program and packed
  // afresh for each scene; the block templates load their models from them.
  BoardScene();
  ~BoardScene();
  BoardScene(const BoardScene&) = delete;
  BoardScene& operator=(const BoardScene&) = delete;

  // A board laid out as the picture shows (BoardHarness's pictures), placed and seen as in the game.
  BoardHarness& Deal(const std::vector<std::string>& picture);
  // Ten full rings of twenty in a scatter of the four colours.
  static std::vector<std::string> FullBoard();

  // A mouse move at window pixel (x, y), y counted down from the top.
  static OEvent Pointer(int x, int y);
  // Sets the viewport, the camera's view and the light, and clears the picture.
  void BeginFrame(float red, float green, float blue);
  // Writes pixels read back from the scene (rows from the bottom) as a PNG, to look at.
  static void SavePicture(const std::vector<std::uint8_t>& pixels, const std::string& path);

  GLTestContext& Context() { return context_; }
  OCamera& Camera() { return camera_; }
  RayCellPicker& Picker() { return picker_; }
  BoardHarness& Harness() { return *harness_; }

 private:
  GLTestContext context_{kWidth, kHeight};
  std::unique_ptr<TestArchive> archive_;
  OCamera camera_;
  RayCellPicker picker_;
  std::unique_ptr<BoardHarness> harness_;
};
