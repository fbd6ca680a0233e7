// Where rings and columns are: the centre-out ring order, the rotation offset,
// and which cells touch.
#include <gtest/gtest.h>

#include "BoardHarness.h"
#include "game/GroupTable.h"

TEST(BoardGeometryTest, TenRingsAreKeptCentreOut) {
  const int expected[] = {8, 6, 4, 2, 0, 1, 3, 5, 7, 9};
  for (int position = 0; position < 10; ++position) {
    EXPECT_EQ(Cylinder::SlotOfPosition(position, 10), expected[position]) << "position " << position;
  }
  for (int rings = 1; rings <= 12; ++rings) {
    for (int position = 0; position < rings; ++position) {
      SCOPED_TRACE(testing::Message() << rings << " rings, position " << position);
      const int slot = Cylinder::SlotOfPosition(position, rings);
      EXPECT_LT(slot, rings);
      EXPECT_EQ(Cylinder::PositionOfSlot(slot, rings), position);
    }
  }
}

TEST(BoardGeometryTest, RingsRestFromTheBottomUp) {
  BoardHarness game(10, 20, {});
  EXPECT_FLOAT_EQ(game.Board().RestingHeight(0), -27.2f);
  EXPECT_FLOAT_EQ(game.Board().RestingHeight(9), 34.0f);
}

TEST(BoardGeometryTest, TheOffsetShiftsStorageAgainstColumns) {
  Ring ring(20, 24.0f);
  ring.SetOffset(3);
  EXPECT_EQ(ring.ColumnOf(0), 3);
  EXPECT_EQ(ring.ColumnOf(19), 2);
  EXPECT_EQ(ring.IndexOfColumn(2), 19);
  EXPECT_EQ(ring.IndexOfColumn(-1), 16) << "columns wrap both ways";
  ring.SetOffset(-1);
  EXPECT_EQ(ring.Offset(), 19);
}

TEST(BoardGeometryTest, GroupsReachAcrossTheSeamButNotFromTopToBottom) {
  {
    SCOPED_TRACE("columns 0 and 19 touch");
    BoardHarness game({
        "Y . . . . . . . . . . . . . . . . . . Y",
    });
    game.PointAt(0, 0);
    EXPECT_EQ(GroupTable::Instance().Size(0), 2u);
  }
  {
    SCOPED_TRACE("the same holds on a turned ring");
    BoardHarness game({
        "Y . . . . . . . . . . . . . . . . . . Y",
    });
    game.Board().RingAt(0).SetOffset(7);
    game.PointAt(0, 19);
    EXPECT_EQ(GroupTable::Instance().Size(0), 2u);
  }
  {
    SCOPED_TRACE("top and bottom rings do not wrap");
    BoardHarness game({
        "Y . .",
        ". . .",
        "Y . .",
    });
    game.PointAt(0, 0);
    EXPECT_EQ(GroupTable::Instance().Size(0), 1u);
  }
}
