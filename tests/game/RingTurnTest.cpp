// Turning rings with the right button and the rotate buttons, the pointer's
// active ring, and the intro in which the rings drop into place.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "BoardHarness.h"

namespace {

// A board whose rings all hold blocks, so every ring can be pointed at and turned.
std::vector<std::string> Stripes() {
  return {
      "G Y G Y G Y G Y G Y G Y G Y G Y G Y G Y",
      "B R B R B R B R B R B R B R B R B R B R",
      "Y G Y G Y G Y G Y G Y G Y G Y G Y G Y G",
  };
}

// The angle the ring's local x axis makes in the board, in whole steps.
double TurnedSteps(const Ring& ring) {
  return std::atan2(ring.transform[1], ring.transform[0]) / (2.0 * std::numbers::pi / ring.CellCount());
}

}  // namespace

TEST(RingTurnTest, ReleasingHalfWayFinishesTheStep) {
  BoardHarness game(Stripes());
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
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                "G Y G Y G Y G Y G Y G Y G Y G Y G Y G Y",
                                "R B R B R B R B R B R B R B R B R B R B",
                                "Y G Y G Y G Y G Y G Y G Y G Y G Y G Y G",
                            }));
  EXPECT_FALSE(game.sounds.empty());
  EXPECT_EQ(game.sounds.front(), BoardAudio::kRotateRing);
}

TEST(RingTurnTest, AHugeFrameNeverTurnsMoreThanOneStep) {
  BoardHarness game(Stripes());
  game.PointAt(0, 0);
  game.PressRight();
  Ring& ring = game.Board().RingAt(0);
  int lastOffset = ring.Offset();
  for (int frame = 0; frame < 9; ++frame) {
    game.Step(5000);
    const int moved = (ring.Offset() - lastOffset + 20) % 20;
    EXPECT_LE(moved, 1) << "frame " << frame;
    lastOffset = ring.Offset();
  }
  game.ReleaseRight();
  game.Step(5000, 3);
  EXPECT_EQ(ring.TurnState(), RingTurn::Still);
  EXPECT_NEAR(std::remainder(TurnedSteps(ring) - ring.Offset(), 20.0), 0.0, 1e-3)
      << "the ring shows exactly the columns its offset says";
}

TEST(RingTurnTest, TheHoveredCellFollowsTheBlocks) {
  BoardHarness game(Stripes());
  game.PointAt(0, 3);
  EXPECT_EQ(game.Board().RingAt(0).HoveredCell(), 3);
  game.PressRight();
  game.Step(200);
  game.Step(200);
  EXPECT_EQ(game.Board().RingAt(0).Offset(), 1);
  EXPECT_EQ(game.Board().RingAt(0).HoveredCell(), 2) << "the pointer stayed over column 3";
}

TEST(RingTurnTest, BreakdownRingsSpeedUpToAboutSixtyFiveMilliseconds) {
  BoardHarness::Options options;
  options.timing = Cylinder::kBreakdownTiming;
  BoardHarness game(Stripes(), options);
  game.PointAt(2, 0);
  game.PressRight();
  const Ring& ring = game.Board().RingAt(2);
  float previous = ring.StepTime();
  EXPECT_EQ(previous, 180.0f);
  for (int frame = 0; frame < 1000; ++frame) {
    game.Step(frame % 2 == 0 ? 16 : 1000);
    EXPECT_LE(ring.StepTime(), previous);
    previous = ring.StepTime();
  }
  EXPECT_EQ(ring.StepTime(), 65.0f);
  {
    SCOPED_TRACE("Remover rings keep their pace");
    BoardHarness remover(Stripes());
    remover.PointAt(2, 0);
    remover.PressRight();
    remover.Step(16, 500);
    EXPECT_EQ(remover.Board().RingAt(2).StepTime(), 180.0f);
  }
}

TEST(RingTurnTest, ThePointerPicksTheActiveRingAndItsArrow) {
  BoardHarness game(Stripes());
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
  BoardHarness game({
      ". . . .",
      "Y G Y G",
  });
  game.PointAt(1, 2);
  EXPECT_EQ(game.Board().ActiveRing(), -1);
  EXPECT_EQ(game.arrowsShown, 0);
  game.PressRight();
  EXPECT_EQ(game.Board().RingAt(1).TurnState(), RingTurn::Still);
}

TEST(RingTurnTest, TheBoardIgnoresThePointerWhileBusy) {
  BoardHarness game(Stripes());
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
  EXPECT_EQ(game.Board().State(), BoardState::Falling) << "turning all rings is a move too";
  game.FinishMove();
  EXPECT_EQ(game.Board().State(), BoardState::Idle);
}

TEST(RingTurnTest, RotateAllWaitsForARingStillInItsOwnStep) {
  BoardHarness game(Stripes());
  game.PointAt(0, 0);
  game.PressRight();
  game.Step(50);
  game.Board().RotateAll(1);
  EXPECT_EQ(game.Board().State(), BoardState::Idle);
  EXPECT_EQ(game.Board().RingAt(1).TurnState(), RingTurn::Still);
}

TEST(RingTurnTest, TheRingsDropInAndLand) {
  BoardHarness game(10, 20, {});
  EXPECT_EQ(game.Board().State(), BoardState::Intro);
  EXPECT_FALSE(game.rotateButtonsEnabled);
  game.PointAt(0, 0);
  EXPECT_EQ(game.Board().ActiveRing(), -1) << "no input while the rings drop in";
  int frames = 0;
  while (game.Board().State() == BoardState::Intro && frames < 10000) {
    game.Step(16);
    ++frames;
  }
  EXPECT_EQ(game.Board().State(), BoardState::Idle);
  EXPECT_TRUE(game.rotateButtonsEnabled);
  EXPECT_EQ(game.soundGroups.size(), 10u) << "one landing per ring";
  for (int position = 0; position < 10; ++position) {
    EXPECT_EQ(game.Board().RingAt(position).transform[14], game.Board().RestingHeight(position));
  }
  {
    SCOPED_TRACE("a ring arriving exactly at its resting height has landed");
    BoardHarness exact(1, 4, {});
    exact.Board().RingAt(0).transform[14] = exact.Board().RestingHeight(0) + 1.6f;
    exact.Step(16);
    EXPECT_EQ(exact.Board().State(), BoardState::Idle);
    BoardHarness resting(2, 4, {});
    resting.Board().RingAt(0).transform[14] = resting.Board().RestingHeight(0);
    resting.Board().RingAt(1).transform[14] = resting.Board().RestingHeight(1);
    resting.Step(16);
    EXPECT_EQ(resting.Board().State(), BoardState::Idle);
  }
}
