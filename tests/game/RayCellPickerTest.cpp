// The pick without drawing: which cell wins when the ray crosses a block in
// front and one behind, empty or not, and which side of a ring's axis the
// pointer is on. The camera sits 64 units back, the world's +x on the right
// of the screen and +y up.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "game/RayCellPicker.h"
#include "game/Ring.h"
#include "gfx/OCamera.h"

namespace {

constexpr float kStep = 2.0f * std::numbers::pi_v<float> / 20.0f;

OEvent Pointer(int x, int y) {
  return OEvent::Mouse(OEvent::kMouseMove, 0, 0, static_cast<std::uint16_t>(x),
                       static_cast<std::uint16_t>(y));
}

class RayCellPickerTest : public ::testing::Test {
 protected:
  RayCellPickerTest() {
    camera_.transform[14] = -64.0f;
    camera_.LookAt(0.0f, 0.0f, 0.0f);
    // The board 30 units in, turned so its axis runs up the screen.
    board_.transform[14] = 30.0f;
    board_.RotateLocalX(-std::numbers::pi_v<float> / 2.0f);
    ring_.SetParent(&board_);
    ring_.Init();
    // The generated block's box, whether or not a model is loaded.
    for (std::uint16_t cell = 0; cell < ring_.CellCount(); ++cell) {
      Block& block = ring_.BlockAt(cell);
      block.colour = kRed;
      const float half[3] = {3.2f, 3.57f, 2.0f};
      std::copy(half, half + 3, block.halfExtents);
      std::fill(block.centre, block.centre + 3, 0.0f);
    }
  }

  OCamera camera_{640.0f, 480.0f, 65.0f, 1.0f, 300.0f};
  O3D board_;
  Ring ring_{20, 24.0f};
  RayCellPicker picker_{&camera_};
  // Straight through the front block and the back block of the ring.
  const OEvent middle_ = Pointer(320, 240);
};

TEST_F(RayCellPickerTest, TheFrontBlockWinsAndAHoleShowsTheBlockBehind) {
  EXPECT_EQ(picker_.Pick(ring_, middle_), 0);
  ring_.BlockAt(0).colour = kEmpty;
  EXPECT_EQ(picker_.Pick(ring_, middle_), 10);
  // Over holes only, the pick still names a cell, so the ring takes the pointer.
  ring_.BlockAt(10).colour = kEmpty;
  EXPECT_EQ(picker_.Pick(ring_, middle_), 10);
  EXPECT_EQ(picker_.Pick(ring_, Pointer(20, 240)), -1) << "beside the board";

  SCOPED_TRACE("the walk follows the columns as the ring turns");
  ring_.BlockAt(0).colour = ring_.BlockAt(10).colour = kRed;
  ring_.RotateLocalZ(3.0f * kStep);
  ring_.SetOffset(3);
  EXPECT_EQ(picker_.Pick(ring_, middle_), 17);
  ring_.BlockAt(17).colour = kEmpty;
  EXPECT_EQ(picker_.Pick(ring_, middle_), 7);
  // The supply ring takes the first cell hit in storage order, wherever it stands.
  ring_.BlockAt(7).colour = kEmpty;
  EXPECT_EQ(picker_.FirstCellHit(ring_, middle_), 7);
  EXPECT_EQ(picker_.FirstCellHit(ring_, Pointer(20, 240)), -1);
}

TEST_F(RayCellPickerTest, TheDirectionIsTheSideOfTheRingsAxisThePointerIsOn) {
  // +1 left of the axis as the screen shows it, with the axis pointing up.
  struct Case {
    const char* name;
    float x, y;  // where the ring's centre is
    float tilt;  // its axis turned from the screen's up toward the far side
    int pointerX, pointerY;
    int direction;
  } cases[] = {
      {"left of an upright ring", 0, 0, 0, 250, 240, 1},
      {"right of an upright ring", 0, 0, 0, 390, 240, -1},
      {"left of a ring off to the right, right of the screen's middle", 20, 0, 0, 390, 240, 1},
      {"right of a ring off to the right", 20, 0, 0, 410, 240, -1},
      {"left of a ring turned over, its axis down", 0, 0, std::numbers::pi_v<float>, 250, 240, -1},
      {"left of a ring leaning away, its axis still up the screen", 0, 0, std::numbers::pi_v<float> / 3, 250,
       240, 1},
      // Seen from below almost along its axis, the axis runs down the screen toward the middle.
      {"left of a ring above the eye seen almost end-on", 0, 20, std::acos(0.1f), 250, 160, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    O3D board;
    board.transform[12] = c.x;
    board.transform[13] = c.y;
    board.transform[14] = 30.0f;
    board.RotateLocalX(c.tilt - std::numbers::pi_v<float> / 2.0f);
    Ring ring(20, 24.0f);
    ring.SetParent(&board);
    EXPECT_EQ(picker_.Direction(ring, Pointer(c.pointerX, c.pointerY)), c.direction);
  }
}

}  // namespace
