// Turning rings with the right button and the rotate buttons, the pointer's
// active ring, the intro in which the rings drop into place, and the board's
// picture key, which all of these change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "BoardHarness.h"
#include "game/BoardCursor.h"
#include "gfx/PictureKey.h"

namespace {

// Every ring holds blocks, so every ring can be pointed at and turned, and the
// top two share a colour, so turns can still make a pair and the game goes on.
const std::vector<std::string> kStripes = {
    "G B G B G B G B G B G B G B G B G B G B",
    "B R B R B R B R B R B R B R B R B R B R",
    "Y G Y G Y G Y G Y G Y G Y G Y G Y G Y G",
};

// The angle the ring's local x axis makes in the board, in whole steps.
double TurnedSteps(const Ring& ring) {
  return std::atan2(ring.transform[1], ring.transform[0]) / (2.0 * std::numbers::pi / ring.CellCount());
}

}  // namespace

TEST(RingTurnTest, ReleasingHalfWayFinishesTheStep) {
  BoardHarness game(kStripes);
  game.PointAt(1, 4);
  game.SetPointerDirection(-1);
  game.PressRight();
  Ring& ring = game.Board().RingAt(1);
  EXPECT_EQ(ring.TurnState(), RingTurn::Turning);
  game.Step(90);
  EXPECT_NEAR(TurnedSteps(ring), -0.5, 1e-4);
  game.ReleaseRight();
  EXPECT_EQ(ring.TurnState(), RingTurn::Stopping);
  game.Step(60);
  EXPECT_EQ(ring.Offset(), 0) << "still in the step";
  game.Step(60);
  EXPECT_EQ(ring.Offset(), 19);
  EXPECT_EQ(ring.TurnState(), RingTurn::Still);
  EXPECT_NEAR(TurnedSteps(ring), -1.0, 1e-4) << "exactly one step, however the frames fell";
  EXPECT_NE(game.Board().State(), BoardState::Idle) << "every stop is a move";
  game.FinishMove();
  EXPECT_EQ(game.Picture(),
            BoardHarness::Tidy({kStripes[0], "R B R B R B R B R B R B R B R B R B R B", kStripes[2]}));
  EXPECT_EQ(game.sounds.front(), BoardAudio::kRotateRing);
}

TEST(RingTurnTest, AHugeFrameNeverTurnsMoreThanOneStep) {
  BoardHarness game(kStripes);
  game.PointAt(0, 3);
  game.PressRight();
  Ring& ring = game.Board().RingAt(0);
  for (int frame = 0; frame < 9; ++frame) {
    const int before = ring.Offset();
    game.Step(5000);
    EXPECT_LE((ring.Offset() - before + 20) % 20, 1) << "frame " << frame;
  }
  EXPECT_EQ(ring.HoveredCell(), (3 - ring.Offset() + 20) % 20) << "the pointer stayed over column 3";
  game.ReleaseRight();
  game.Step(5000, 3);
  EXPECT_EQ(ring.TurnState(), RingTurn::Still);
  EXPECT_NEAR(std::remainder(TurnedSteps(ring) - ring.Offset(), 20.0), 0.0, 1e-3)
      << "the ring shows exactly the columns its offset says";
}

TEST(RingTurnTest, BreakdownRingsSpeedUpToAboutSixtyFiveMilliseconds) {
  for (const Cylinder::Timing timing : {Cylinder::kBreakdownTiming, Cylinder::kRemoverTiming}) {
    BoardHarness game(kStripes, {.timing = timing});
    game.PointAt(2, 0);
    game.PressRight();
    const Ring& ring = game.Board().RingAt(2);
    EXPECT_EQ(ring.StepTime(), 180.0f);
    game.Step(16, 500);
    EXPECT_EQ(ring.StepTime(), timing.turnAcceleration < 0.0f ? 65.0f : 180.0f) << "Remover keeps its pace";
  }
}

TEST(RingTurnTest, ThePointerPicksTheActiveRingAndItsArrow) {
  BoardHarness game(kStripes);
  game.SetPointerDirection(-1);
  game.PointAt(1, 0);
  EXPECT_EQ(game.Board().ActiveRing(), Cylinder::SlotOfPosition(1, 3));
  EXPECT_EQ(game.arrowsShown, 1);
  EXPECT_EQ(game.lastArrowDirection, -1);
  game.SetPointerDirection(1);
  game.PointAt(1, 1);
  EXPECT_EQ(game.arrowsShown, 2) << "crossing the axis swaps the arrow";
  EXPECT_EQ(game.lastArrowDirection, 1);
  game.PointAt(2, 1);
  EXPECT_EQ(game.arrowsRetired, 1);
  EXPECT_EQ(game.arrowsShown, 3);

  game.PressRight();
  game.PointAt(0, 1);
  EXPECT_EQ(game.Board().RingAt(2).TurnState(), RingTurn::Stopping) << "leaving a turning ring stops it";
  EXPECT_EQ(game.Board().ActiveRing(), Cylinder::SlotOfPosition(2, 3)) << "it keeps the pointer until still";
  game.Step(200, 2);
  game.FinishMove();
  game.PointAway();
  EXPECT_EQ(game.Board().ActiveRing(), -1);
  EXPECT_EQ(game.Board().HoveredRing(), -1);
}

TEST(RingTurnTest, AnEmptyRingCannotBeTurned) {
  BoardHarness game({". . . .", "Y G Y G"});
  game.PointAt(1, 2);
  EXPECT_EQ(game.Board().ActiveRing(), -1);
  game.PressRight();
  EXPECT_EQ(game.Board().RingAt(1).TurnState(), RingTurn::Still);
}

TEST(RingTurnTest, TurningAllRingsIsAMoveThatIgnoresThePointer) {
  BoardHarness game(kStripes);
  game.Board().RotateAll(1);
  EXPECT_EQ(game.Board().State(), BoardState::RotatingAll);
  game.PointAt(0, 0);
  EXPECT_EQ(game.Board().ActiveRing(), -1);
  game.Click();
  EXPECT_EQ(game.ColouredBlocks(), 60);
  game.Step(100);
  game.Board().StopAll();
  game.Step(100);
  for (int position = 0; position < 3; ++position) {
    EXPECT_EQ(game.Board().RingAt(position).Offset(), 1) << "position " << position;
    EXPECT_EQ(game.Board().RingAt(position).TurnState(), RingTurn::Still);
  }
  EXPECT_EQ(game.Board().State(), BoardState::Falling);
  game.FinishMove();
  EXPECT_EQ(game.Board().State(), BoardState::Idle);

  SCOPED_TRACE("a ring still in its own step keeps all rings from turning");
  game.PointAt(0, 0);
  game.PressRight();
  game.Step(50);
  game.Board().RotateAll(1);
  EXPECT_EQ(game.Board().State(), BoardState::Idle);
  EXPECT_EQ(game.Board().RingAt(1).TurnState(), RingTurn::Still);
}

TEST(RingTurnTest, TheRingsDropInAndLand) {
  BoardHarness game(10, 20);
  EXPECT_EQ(game.Board().State(), BoardState::Intro);
  EXPECT_FALSE(game.rotateButtonsEnabled);
  game.PointAt(0, 0);
  EXPECT_EQ(game.Board().ActiveRing(), -1) << "no input while the rings drop in";
  game.FinishIntro();
  EXPECT_TRUE(game.rotateButtonsEnabled);
  EXPECT_EQ(game.soundGroups.size(), 10u) << "one landing per ring";
  for (int position = 0; position < 10; ++position) {
    EXPECT_EQ(game.Board().RingAt(position).transform[14], game.Board().RestingHeight(position));
  }
  // Without this the intro would never end.
  SCOPED_TRACE("a ring arriving exactly at its resting height has landed");
  BoardHarness exact(2, 4);
  exact.Board().RingAt(0).transform[14] = exact.Board().RestingHeight(0) + 1.6f;
  exact.Board().RingAt(1).transform[14] = exact.Board().RestingHeight(1);
  exact.Step(16);
  EXPECT_EQ(exact.Board().State(), BoardState::Idle);
}

// A still board may show a copy of its last picture: whatever the player
// could see change must change its key, and a board at rest keeps it.
TEST(RingTurnTest, EveryChangeOnTheBoardMakesANewPictureKey) {
  // Every block pairs with its neighbour, so any click removes a group.
  BoardHarness game({
      "G G B B G G B B G G B B G G B B G G B B",
      "R R Y Y R R Y Y R R Y Y R R Y Y R R Y Y",
      "B B G G B B G G B B G G B B G G B B G G",
  });
  BoardCursor cursor(game.Pointer());
  std::vector<std::uint64_t> keys;
  // Whether the board's key is one it has not had before.
  const auto newKey = [&] {
    PictureKey key;
    EXPECT_TRUE(game.Board().AddToPictureKey(key));
    const bool seen = std::count(keys.begin(), keys.end(), key.Value()) > 0;
    keys.push_back(key.Value());
    return !seen;
  };
  EXPECT_TRUE(newKey());
  game.Step(16, 3);
  EXPECT_FALSE(newKey()) << "a board at rest";
  game.PointAt(0, 0);
  EXPECT_TRUE(newKey()) << "a ring under the pointer is circled";
  game.Click();
  EXPECT_TRUE(newKey()) << "a group starts to vanish";
  game.FinishMove();
  EXPECT_TRUE(newKey()) << "the group is gone";
  game.PointAt(1, 4);
  game.SetPointerDirection(-1);
  game.PressRight();
  game.Step(30);
  EXPECT_TRUE(newKey()) << "a ring turns";
  game.ReleaseRight();
  game.Step(16, 20);
  ASSERT_EQ(game.Board().RingAt(1).TurnState(), RingTurn::Still);
  EXPECT_TRUE(newKey()) << "the ring turned a step";
  game.Board().SetCursor(&cursor);
  cursor.SetBoard(&game.Board());
  cursor.Show();
  EXPECT_TRUE(newKey()) << "the cursor shows";
  cursor.MoveAcross(1);
  EXPECT_TRUE(newKey()) << "the cursor moves";
}
