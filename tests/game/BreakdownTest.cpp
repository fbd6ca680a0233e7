// The Breakdown rules: the supply ring's timer and click, rows pushed up, the
// alarm and the loss, the level's end with its count, and the levels that follow.
#include <gtest/gtest.h>

#include "BreakdownHarness.h"
#include "game/Bonus.h"
#include "game/LevelRules.h"

namespace {

const std::string kEmptyRow = ". . . . . . . . . . . . . . . . . . . .";

std::vector<std::string> EmptyBoardWith(int position, const std::string& row) {
  std::vector<std::string> picture(10, kEmptyRow);
  picture[9 - position] = row;
  return picture;
}

std::vector<std::string> EmptyBoard() { return std::vector<std::string>(10, kEmptyRow); }

// Pushes rows by clicking the supply ring, emptying the board before each so the game goes on.
void PushRowsOnEmptyBoard(BreakdownHarness& game, int rows) {
  for (int row = 0; row < rows; ++row) {
    game.Paint(EmptyBoard());
    game.PushRowNow();
  }
}

// Runs frames until the level's end has set up the next level.
void RunLevelEnd(BreakdownHarness& game) {
  const int levels = game.LevelsStarted();
  for (int frame = 0; frame < 100000 && game.LevelsStarted() == levels; ++frame) {
    game.Step(16);
  }
  ASSERT_EQ(game.LevelsStarted(), levels + 1);
}

}  // namespace

TEST(BreakdownTest, ALevelStartsWithFourFilledRingsAndTheSupplyRingStopped) {
  BreakdownHarness game;
  EXPECT_EQ(game.Board().State(), BoardState::Intro);
  EXPECT_TRUE(game.Supply().Stopped());
  for (int position = 0; position < 10; ++position) {
    SCOPED_TRACE(testing::Message() << "position " << position);
    const Ring& ring = game.Board().RingAt(position);
    EXPECT_EQ(ring.IsEmpty(), position >= 4);
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
  EXPECT_EQ(game.Supply().Filled(), 0);
}

TEST(BreakdownTest, TheSupplyRingFillsOneBlockPerIntervalAndPushesTheRowOneIntervalLater) {
  BreakdownHarness game;
  game.FinishIntro();
  const std::string before = game.Picture();
  game.Step(1, 300);
  EXPECT_EQ(game.Supply().Filled(), 0) << "the interval must be passed, not reached";
  game.Step(1);
  EXPECT_EQ(game.Supply().Filled(), 1);
  EXPECT_EQ(game.Count(game.sounds, BoardAudio::kAddBlock), 1);

  game.Step(1, 19 * 301);
  EXPECT_EQ(game.Supply().Filled(), 20);
  const std::string supply = game.SupplyPicture();
  game.Step(1, 300);
  EXPECT_EQ(game.Rules().RowsPushed(), 0);
  game.Step(1);
  EXPECT_EQ(game.Rules().RowsPushed(), 1);
  EXPECT_EQ(game.Count(game.soundGroups, BoardAudio::kAddRowGroup), 1);
  EXPECT_EQ(game.Supply().Filled(), 0);
  EXPECT_EQ(game.Supply().Interval(), 296u);
  EXPECT_EQ(game.shownRowsLeft, 24u);

  // Every ring moved up one and the bottom ring is what the supply ring held.
  const std::string after = game.Picture();
  EXPECT_EQ(after.substr(0, after.size() - 40), before.substr(40)) << after;
  std::string bottom;
  for (int column = 0; column < 20; ++column) {
    bottom += ".YGRBM"[game.Board().RingAt(0).BlockAtColumn(column).colour];
  }
  EXPECT_EQ(bottom, supply);
}

TEST(BreakdownTest, TheIntervalShortensWithEveryRow) {
  BreakdownHarness game;
  game.FinishIntro();
  PushRowsOnEmptyBoard(game, 12);
  EXPECT_EQ(game.Rules().RowsPushed(), 12);
  EXPECT_EQ(game.Supply().Interval(), 252u);
  EXPECT_EQ(game.shownRowsLeft, 13u);
}

TEST(BreakdownTest, ARowIsPushedWholeWithItsGaps) {
  BreakdownHarness game;
  game.FinishIntro();
  const std::string gappy = "Y . R . . G . . . B . . . . . . . . . Y";
  game.Paint(EmptyBoardWith(0, gappy));
  game.PushRowNow();
  EXPECT_EQ(game.Picture().substr(8 * 40, 39), BoardHarness::Tidy({gappy}));
}

TEST(BreakdownTest, ClicksOnTheSupplyRingWaitForTheBoardToRest) {
  BreakdownHarness game;
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
  EXPECT_EQ(game.Supply().Filled(), 0);
  for (int column = 0; column < 20; ++column) {
    EXPECT_NE(game.Board().RingAt(0).BlockAtColumn(column).colour, kEmpty) << "the row came in full";
  }
}

TEST(BreakdownTest, ADueRowWaitsForATurningRingToFinishItsStep) {
  BreakdownHarness game;
  game.FinishIntro();
  game.Step(1, 20 * 301);
  game.PointAt(1, 4);
  game.Send(OEvent::Mouse(OEvent::kButtonDown, OEvent::kRight, 0, 1, 100));
  const Ring& ring = game.Board().RingAt(1);
  ASSERT_EQ(ring.TurnState(), RingTurn::Turning);
  game.Step(1, 301);
  EXPECT_EQ(ring.TurnState(), RingTurn::Stopping);
  EXPECT_EQ(game.Rules().RowsPushed(), 0);
  game.FinishMove();
  for (int frame = 0; frame < 1000 && game.Rules().RowsPushed() == 0; ++frame) {
    game.Step(16);
  }
  EXPECT_EQ(game.Rules().RowsPushed(), 1);
}

TEST(BreakdownTest, TheAlarmWarnsOfTheLastRowAndTheNextDueRowLoses) {
  BreakdownHarness game;
  game.FinishIntro();
  game.Paint(EmptyBoardWith(8, "Y . . . . . . . . . . . . . . . . . . ."));
  game.PushRowNow();
  EXPECT_EQ(game.Count(game.sounds, BoardAudio::kAlarm), 1);
  EXPECT_EQ(game.Board().RingAt(9).BlockAtColumn(0).colour, kYellow);

  game.PushRowNow();
  EXPECT_EQ(game.Rules().RowsPushed(), 1) << "no row comes in once the top ring is occupied";
  EXPECT_EQ(game.Board().State(), BoardState::Smashing);
  EXPECT_TRUE(game.musicStopped);
  EXPECT_TRUE(game.Supply().Stopped());
  EXPECT_EQ(game.arrowClears, 1);
  EXPECT_EQ(game.Count(game.sounds, BoardAudio::kSmashRing), 1);

  // The rings burst one after another from the middle out, 200 ms each.
  game.Step(20, 5);
  EXPECT_GT(game.Board().RingInSlot(0).Radius(), 24.0f);
  EXPECT_EQ(game.Board().RingInSlot(1).Radius(), 24.0f);
  game.Step(20, 10 * 11);
  EXPECT_EQ(game.Count(game.commands, OControl::kGameFinished), 1);
  EXPECT_EQ(game.Count(game.sounds, BoardAudio::kSmashRing), 10);
  EXPECT_GT(game.Board().RingInSlot(9).Radius(), 24.0f);
}

TEST(BreakdownTest, ClearingTheTwoBottomRingsEarnsTheBonus) {
  BreakdownHarness game;
  game.FinishIntro();
  game.Paint(EmptyBoardWith(0, "Y Y . . . . . . . . . . . . . . . . . ."));
  game.PointAt(0, 0);
  game.Click();
  // Two blocks and 10 + 2 more: always worth 50 points each.
  EXPECT_EQ(game.Rules().Score(), 14u * 50u);
  EXPECT_EQ(game.Count(game.sounds, BoardAudio::kExtraPoints), 1);
}

TEST(BreakdownTest, MarkersComeOnceTheRowsAreInAndTheNextDueRowEndsTheLevel) {
  for (const std::int32_t skill : {SkillRules::kEasy, SkillRules::kNormal}) {
    SCOPED_TRACE(testing::Message() << "skill " << skill);
    BreakdownHarness::Options options;
    options.skill = skill;
    BreakdownHarness game(options);
    game.FinishIntro();
    PushRowsOnEmptyBoard(game, 25);
    EXPECT_EQ(game.shownRowsLeft, 0u);
    game.Paint(EmptyBoard());
    for (int frame = 0; frame < 10000 && game.Supply().Filled() < 20; ++frame) {
      game.Step(1);
    }
    EXPECT_EQ(game.SupplyPicture(), "MMMMMMMMMMMMMMMMMMMM");

    const std::uint32_t score = game.Rules().Score();
    game.Step(1, game.Supply().Interval() + 1);
    EXPECT_TRUE(game.Rules().LevelDone());
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy(EmptyBoard())) << "the markers never enter the board";
    ASSERT_FALSE(game.messages.texts.empty());
    EXPECT_EQ(game.messages.texts.back().text, "Level Completed");

    // Every empty cell but the first counts 10 points, times the skill's factor.
    for (int frame = 0; frame < 10000 && game.Board().State() != BoardState::LevelEnding; ++frame) {
      game.Step(16);
    }
    const std::uint32_t factor = skill == SkillRules::kEasy ? 1 : 2;
    EXPECT_EQ(game.Rules().Score() - score, factor * 1990);
    EXPECT_EQ(game.Count(game.sounds, BoardAudio::kCountPoints), 199);
    EXPECT_EQ(game.messages.texts.back().text, "Level 2");
    EXPECT_EQ(game.Count(game.sounds, BoardAudio::kLevelOver), 1);

    RunLevelEnd(game);
    EXPECT_EQ(game.shownLevel, 2);
    EXPECT_EQ(game.shownRowsLeft, 25u);
    EXPECT_EQ(game.Rules().Rules().level, 2);
    EXPECT_EQ(game.Supply().Interval(), 200u);
    EXPECT_EQ(game.Board().State(), BoardState::Intro);
    EXPECT_EQ(game.Rules().Score(), score + factor * 1990) << "the score carries on";
    game.FinishIntro();
  }
}

TEST(BreakdownTest, TheCountPassesOverBlocks) {
  BreakdownHarness game;
  game.FinishIntro();
  PushRowsOnEmptyBoard(game, 25);
  // Two hundred cells, twenty of them filled: 179 steps after the marker.
  game.Paint(EmptyBoardWith(3, "Y G R Y G R Y G R Y G R Y G R Y G R Y G"));
  game.PointAtSupply(0);
  game.Click();
  ASSERT_TRUE(game.Rules().LevelDone());
  const std::uint32_t score = game.Rules().Score();
  for (int frame = 0; frame < 10000 && game.Board().State() != BoardState::LevelEnding; ++frame) {
    game.Step(16);
  }
  EXPECT_EQ(game.Rules().Score() - score, 1790u);
}

TEST(BreakdownTest, PlayGoesOnPastTheLastLevelAtItsPace) {
  BreakdownHarness::Options options;
  options.startLevel = 10;
  BreakdownHarness game(options);
  game.FinishIntro();
  EXPECT_EQ(game.Supply().Interval(), 170u);
  PushRowsOnEmptyBoard(game, 35);
  game.PointAtSupply(0);
  game.Click();
  ASSERT_TRUE(game.Rules().LevelDone());
  RunLevelEnd(game);
  EXPECT_EQ(game.shownLevel, 11);
  EXPECT_EQ(game.Rules().Rules().level, 10);
  EXPECT_EQ(game.shownRowsLeft, 35u);
  EXPECT_EQ(game.Supply().Interval(), 170u);
}

TEST(BreakdownTest, TwoGoodiesInARowAlwaysDiffer) {
  // Level 10 offers a goody every 25 blocks and draws from all nine.
  BreakdownHarness::Options options;
  options.startLevel = 10;
  BreakdownHarness game(options);
  game.FinishIntro();
  std::vector<std::string> goodies;
  for (int row = 0; row < 35; ++row) {
    game.Paint(EmptyBoard());
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
}
