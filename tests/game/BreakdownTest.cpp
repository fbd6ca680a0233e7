// The Breakdown rules: the supply ring's timer and click, rows pushed up, the
// alarm and the loss, the level's end with its count, and the levels that follow.
#include <gtest/gtest.h>

#include "BoardHarness.h"
#include "game/LevelRules.h"

namespace {

const std::string kEmptyRow = ". . . . . . . . . . . . . . . . . . . .";

std::vector<std::string> EmptyBoardWith(int position = 0, const std::string& row = kEmptyRow) {
  std::vector<std::string> picture(10, kEmptyRow);
  picture[9 - position] = row;
  return picture;
}

// Pushes rows by clicking the supply ring, emptying the board before each so the game goes on.
void PushRowsOnEmptyBoard(BoardHarness& game, int rows) {
  for (int row = 0; row < rows; ++row) {
    game.Paint(EmptyBoardWith());
    game.PushRowNow();
  }
}

// Runs frames until the board reaches the state or the next level is set up.
void RunUntil(BoardHarness& game, BoardState state) {
  const int levels = game.LevelsStarted();
  for (int frame = 0; frame < 100000 && game.Board().State() != state && game.LevelsStarted() == levels;
       ++frame) {
    game.Step(16);
  }
}

}  // namespace

TEST(BreakdownTest, ALevelStartsWithFourRingsAndTheSupplyRingPushesRowsOnItsTimer) {
  BoardHarness game(BoardHarness::kBreakdown);
  EXPECT_EQ(game.Board().State(), BoardState::Intro);
  EXPECT_TRUE(game.Supply().Stopped());
  for (int position = 0; position < 10; ++position) {
    const Ring& ring = game.Board().RingAt(position);
    EXPECT_EQ(ring.IsEmpty(), position >= 4) << "position " << position;
    for (int column = 0; column < 20; ++column) {
      EXPECT_LE(ring.BlockAtColumn(column).colour, kRed) << "level 1 plays with three colours";
    }
  }
  EXPECT_EQ(game.shownLevel, 1);
  EXPECT_EQ(game.shownRowsLeft, 25u);
  game.PointAtSupply(3);
  game.Click();
  EXPECT_EQ(game.Rules().RowsPushed(), 0) << "a click during the intro does nothing";
  game.FinishIntro();
  EXPECT_FALSE(game.Supply().Stopped());

  SCOPED_TRACE("the supply ring fills one block per interval and pushes the row one interval later");
  const std::string before = game.Picture();
  game.Step(1, 300);
  EXPECT_EQ(game.Supply().Filled(), 0) << "the interval must be passed, not reached";
  game.Step(1);
  EXPECT_EQ(game.Supply().Filled(), 1);
  EXPECT_EQ(BoardHarness::Count(game.sounds, BoardAudio::kAddBlock), 1);
  game.Step(1, 19 * 301);
  EXPECT_EQ(game.Supply().Filled(), 20);
  const std::string supply = game.SupplyPicture();
  game.Step(1, 300);
  EXPECT_EQ(game.Rules().RowsPushed(), 0);
  game.Step(1);
  EXPECT_EQ(game.Rules().RowsPushed(), 1);
  EXPECT_EQ(BoardHarness::Count(game.soundGroups, BoardAudio::kAddRowGroup), 1);
  EXPECT_EQ(game.Supply().Filled(), 0);
  EXPECT_EQ(game.Supply().Interval(), 296u);
  EXPECT_EQ(game.shownRowsLeft, 24u);
  // Every ring moved up one and the bottom ring is what the supply ring held.
  const std::string after = game.Picture();
  EXPECT_EQ(after.substr(0, after.size() - 40), before.substr(40)) << after;
  EXPECT_EQ(after.substr(after.size() - 39), BoardHarness::Tidy({supply}));

  SCOPED_TRACE("the interval shortens with every row, and a row moves up whole with its gaps");
  PushRowsOnEmptyBoard(game, 10);
  const std::string gappy = "Y . R . . G . . . B . . . . . . . . . Y";
  game.Paint(EmptyBoardWith(0, gappy));
  game.PushRowNow();
  EXPECT_EQ(game.Supply().Interval(), 252u);
  EXPECT_EQ(game.shownRowsLeft, 13u);
  EXPECT_EQ(game.Picture().substr(8 * 40, 39), BoardHarness::Tidy({gappy}));
}

TEST(BreakdownTest, ARowWaitsForTheBoardToRestAndForATurningRingToFinishItsStep) {
  BoardHarness game(BoardHarness::kBreakdown);
  game.FinishIntro();
  game.Paint(EmptyBoardWith(0, "Y Y G R G R G R G R G R G R G R G R G R"));
  game.PointAt(0, 0);
  game.Click();
  ASSERT_NE(game.Board().State(), BoardState::Idle);
  const std::uint16_t filled = game.Supply().Filled();
  game.PointAtSupply(5);
  game.Click();
  EXPECT_EQ(game.Rules().RowsPushed(), 0);
  EXPECT_EQ(game.Supply().Filled(), filled);
  game.FinishMove();
  game.PointAtSupply(5);
  game.Click();
  EXPECT_EQ(game.Rules().RowsPushed(), 1);
  for (int column = 0; column < 20; ++column) {
    EXPECT_NE(game.Board().RingAt(0).BlockAtColumn(column).colour, kEmpty) << "the row came in full";
  }

  game.Step(1, 20 * 301);
  game.PointAt(1, 4);
  game.PressRight();
  const Ring& ring = game.Board().RingAt(1);
  ASSERT_EQ(ring.TurnState(), RingTurn::Turning);
  for (int frame = 0; frame < 1000 && ring.TurnState() == RingTurn::Turning; ++frame) {
    game.Step(1);
  }
  EXPECT_EQ(ring.TurnState(), RingTurn::Stopping) << "the due row stops the turning ring";
  EXPECT_EQ(game.Rules().RowsPushed(), 1);
  game.FinishMove();
  for (int frame = 0; frame < 1000 && game.Rules().RowsPushed() == 1; ++frame) {
    game.Step(16);
  }
  EXPECT_EQ(game.Rules().RowsPushed(), 2);

  SCOPED_TRACE("nor while the blocks fall after all rings turned, with no ring under the pointer");
  game.Step(100, 2);
  game.FinishMove();
  game.PointAway();
  game.Board().RotateAll(1);
  game.Board().StopAll();
  game.Step(100, 2);
  ASSERT_EQ(game.Board().State(), BoardState::Falling);
  EXPECT_EQ(game.Board().RingAt(0).TurnState(), RingTurn::Still)
      << "the rings end the step with the supply ring";
  EXPECT_EQ(game.Supply().Offset(), 1);
  const std::uint16_t pushed = game.Rules().RowsPushed();
  game.PointAtSupply(5);
  game.Click();
  EXPECT_EQ(game.Rules().RowsPushed(), pushed);
}

TEST(BreakdownTest, ClearingTheBottomRingsEarnsABonusTheLastRowSoundsTheAlarmAndTheNextLoses) {
  BoardHarness game(BoardHarness::kBreakdown);
  game.FinishIntro();
  game.Paint(EmptyBoardWith(0, "Y Y . . . . . . . . . . . . . . . . . ."));
  game.PointAt(0, 0);
  game.Click();
  // Two blocks and 10 + 2 more: always worth 50 points each.
  EXPECT_EQ(game.Rules().Score(), 14u * 50u);
  EXPECT_EQ(BoardHarness::Count(game.sounds, BoardAudio::kExtraPoints), 1);
  game.FinishMove();

  game.Paint(EmptyBoardWith(8, "Y . . . . . . . . . . . . . . . . . . ."));
  game.PushRowNow();
  EXPECT_EQ(BoardHarness::Count(game.sounds, BoardAudio::kAlarm), 1);
  EXPECT_EQ(game.Board().RingAt(9).BlockAtColumn(0).colour, kYellow);

  game.PushRowNow();
  EXPECT_EQ(game.Rules().RowsPushed(), 1) << "no row comes in once the top ring is occupied";
  EXPECT_EQ(game.Board().State(), BoardState::Smashing);
  EXPECT_TRUE(game.musicStopped);
  EXPECT_TRUE(game.Supply().Stopped());
  EXPECT_EQ(game.arrowClears, 1);
  EXPECT_EQ(BoardHarness::Count(game.sounds, BoardAudio::kSmashRing), 1);
  // The rings burst one after another from the middle out, 200 ms each.
  game.Step(20, 5);
  EXPECT_GT(game.Board().RingInSlot(0).Radius(), 24.0f);
  EXPECT_EQ(game.Board().RingInSlot(1).Radius(), 24.0f);
  game.Step(20, 10 * 11);
  EXPECT_EQ(BoardHarness::Count(game.commands, OControl::kGameFinished), 1);
  EXPECT_EQ(BoardHarness::Count(game.sounds, BoardAudio::kSmashRing), 10);
  EXPECT_GT(game.Board().RingInSlot(9).Radius(), 24.0f);
}

TEST(BreakdownTest, MarkersComeOnceTheRowsAreInAndTheNextDueRowEndsTheLevelWithACount) {
  struct Case {
    std::int32_t skill;
    const char* ring3;  // what the count passes over
    int steps;
    std::uint32_t points;
  } cases[] = {{SkillRules::kEasy, kEmptyRow.c_str(), 199, 1990},
               {SkillRules::kNormal, kEmptyRow.c_str(), 199, 2 * 1990},
               {SkillRules::kEasy, "Y G R Y G R Y G R Y G R Y G R Y G R Y G", 179, 1790}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "skill " << c.skill << ", ring 3 " << c.ring3);
    BoardHarness game(BoardHarness::kBreakdown, {.skill = c.skill});
    game.FinishIntro();
    PushRowsOnEmptyBoard(game, 25);
    EXPECT_EQ(game.shownRowsLeft, 0u);
    game.Paint(EmptyBoardWith(3, c.ring3));
    for (int frame = 0; frame < 10000 && game.Supply().Filled() < 20; ++frame) {
      game.Step(1);
    }
    EXPECT_EQ(game.SupplyPicture(), "MMMMMMMMMMMMMMMMMMMM");
    const std::uint32_t score = game.Rules().Score();
    game.Step(1, game.Supply().Interval() + 1);
    EXPECT_TRUE(game.Rules().LevelDone());
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy(EmptyBoardWith(3, c.ring3)))
        << "markers never enter the board";
    ASSERT_FALSE(game.messages.texts.empty());
    EXPECT_EQ(game.messages.texts.back().text, "Level Completed");
    // Every empty cell but the first counts 10 points, times the skill's factor.
    RunUntil(game, BoardState::LevelEnding);
    EXPECT_EQ(game.Rules().Score() - score, c.points);
    EXPECT_EQ(BoardHarness::Count(game.sounds, BoardAudio::kCountPoints), c.steps);
    EXPECT_EQ(game.messages.texts.back().text, "Level 2");
    EXPECT_EQ(BoardHarness::Count(game.sounds, BoardAudio::kLevelOver), 1);

    RunUntil(game, BoardState::GameOver);
    EXPECT_EQ(game.LevelsStarted(), 2);
    EXPECT_EQ(game.shownLevel, 2);
    EXPECT_EQ(game.shownRowsLeft, 25u);
    EXPECT_EQ(game.Supply().Interval(), 200u);
    EXPECT_EQ(game.Board().State(), BoardState::Intro);
    EXPECT_EQ(game.Rules().Score(), score + c.points) << "the score carries on";
    game.FinishIntro();
  }
}

TEST(BreakdownTest, PlayGoesOnPastTheLastLevelAtItsPaceAndTwoGoodiesInARowDiffer) {
  // The last level offers a goody every 25 blocks and draws from all nine.
  BoardHarness game(BoardHarness::kBreakdown, {.level = 10});
  game.FinishIntro();
  EXPECT_EQ(game.Supply().Interval(), 170u);
  std::vector<std::string> goodies;
  for (int row = 0; row < 35; ++row) {
    game.Paint(EmptyBoardWith());
    game.PushRowNow();
    for (int column = 0; column < 20; ++column) {
      const Block& block = game.Board().RingAt(0).BlockAtColumn(column);
      if (block.colour == kGoody) {
        goodies.push_back(block.name);
      }
    }
  }
  ASSERT_GE(goodies.size(), 25u);
  for (std::size_t k = 1; k < goodies.size(); ++k) {
    EXPECT_NE(goodies[k], goodies[k - 1]) << "goodies " << k - 1 << " and " << k;
  }
  game.PointAtSupply(0);
  game.Click();
  ASSERT_TRUE(game.Rules().LevelDone());
  RunUntil(game, BoardState::GameOver);
  EXPECT_EQ(game.shownLevel, 11);
  EXPECT_EQ(game.Rules().Rules().level, 10);
  EXPECT_EQ(game.shownRowsLeft, 35u);
  EXPECT_EQ(game.Supply().Interval(), 170u);
}
