// The walk of the pick over one ring, without drawing: which cell wins when
// the ray crosses a block in front and one behind, empty or not.
#include <gtest/gtest.h>

#include <numbers>

#include "game/RayCellPicker.h"
#include "game/Ring.h"
#include "gfx/OCamera.h"

namespace {

class RayCellPickerTest : public ::testing::Test {
 protected:
  RayCellPickerTest() {
    camera_.transform[14] = -64.0f;
    camera_.LookAt(0.0f, 0.0f, 0.0f);
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
  const OEvent throughTheMiddle_ = OEvent::Mouse(OEvent::kMouseMove, 0, 0, 320, 240);
};

TEST_F(RayCellPickerTest, TheFrontBlockWinsAndAHoleShowsTheBackBlock) {
  EXPECT_EQ(picker_.Pick(ring_, throughTheMiddle_), 0);

  ring_.BlockAt(0).colour = kEmpty;
  EXPECT_EQ(picker_.Pick(ring_, throughTheMiddle_), 10);

  // Over holes only, the pick still names a cell, so the ring takes the pointer.
  ring_.BlockAt(10).colour = kEmpty;
  EXPECT_EQ(picker_.Pick(ring_, throughTheMiddle_), 10);

  EXPECT_EQ(picker_.Pick(ring_, OEvent::Mouse(OEvent::kMouseMove, 0, 0, 20, 240)), -1) << "beside the board";
  RayCellPicker blind;
  EXPECT_EQ(blind.Pick(ring_, throughTheMiddle_), -1) << "no camera, nothing under the pointer";
}

TEST_F(RayCellPickerTest, TheWalkFollowsTheColumnsAsTheRingTurns) {
  ring_.RotateLocalZ(3.0f * 2.0f * std::numbers::pi_v<float> / 20.0f);
  ring_.SetOffset(3);
  EXPECT_EQ(picker_.Pick(ring_, throughTheMiddle_), 17);
  ring_.BlockAt(17).colour = kEmpty;
  EXPECT_EQ(picker_.Pick(ring_, throughTheMiddle_), 7);
}

TEST_F(RayCellPickerTest, TheSupplyRingTakesTheFirstCellHitInStorageOrder) {
  ring_.RotateLocalZ(3.0f * 2.0f * std::numbers::pi_v<float> / 20.0f);
  ring_.SetOffset(3);
  ring_.BlockAt(7).colour = kEmpty;
  EXPECT_EQ(picker_.FirstCellHit(ring_, throughTheMiddle_), 7);
  EXPECT_EQ(picker_.FirstCellHit(ring_, OEvent::Mouse(OEvent::kMouseMove, 0, 0, 20, 240)), -1);
}

TEST_F(RayCellPickerTest, TheDirectionIsTheSideOfTheAxisThePointerIsOn) {
  EXPECT_EQ(picker_.Direction(ring_, OEvent::Mouse(OEvent::kMouseMove, 0, 0, 250, 240)), 1);
  EXPECT_EQ(picker_.Direction(ring_, OEvent::Mouse(OEvent::kMouseMove, 0, 0, 390, 240)), -1);
  // A ring turned over points its axis down, and the sides swap.
  ring_.RotateLocalX(std::numbers::pi_v<float>);
  EXPECT_EQ(picker_.Direction(ring_, OEvent::Mouse(OEvent::kMouseMove, 0, 0, 250, 240)), -1);
}

}  // namespace
