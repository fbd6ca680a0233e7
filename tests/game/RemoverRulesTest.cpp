// The Remover rules: where rings and columns are, groups under the pointer and
// what they score, blocks falling one ring at a time, columns closing up, and
// the end of a game.
#include <gtest/gtest.h>

#include "BoardHarness.h"
#include "game/GroupTable.h"

namespace {

using Picture = std::vector<std::string>;
constexpr std::int32_t kEasy = SkillRules::kEasy;
constexpr std::int32_t kNormal = SkillRules::kNormal;
const std::string kRow = ". . . . . . . . . . . . . . . . . . . .";

}  // namespace

TEST(RemoverRulesTest, RingsAreKeptCentreOut) {
  const int slots[] = {8, 6, 4, 2, 0, 1, 3, 5, 7, 9};
  for (int position = 0; position < 10; ++position) {
    EXPECT_EQ(Cylinder::SlotOfPosition(position, 10), slots[position]) << "position " << position;
  }
  for (int rings = 1; rings <= 12; ++rings) {
    for (int position = 0; position < rings; ++position) {
      EXPECT_EQ(Cylinder::PositionOfSlot(Cylinder::SlotOfPosition(position, rings), rings), position)
          << rings << " rings, position " << position;
    }
  }
}

TEST(RemoverRulesTest, GroupsReachAcrossTheSeamButNotFromTopToBottom) {
  for (const Picture& board :
       {Picture{"Y . . . . . . . . . . . . . . . . . . Y"}, Picture{"Y . .", ". . .", "Y . ."}}) {
    BoardHarness game(board);
    game.PointAt(0, 0);
    EXPECT_EQ(GroupTable::Instance().Size(0), board.size() == 1 ? 2u : 1u) << board.size() << " rings";
  }
}

TEST(RemoverRulesTest, TheGroupUnderThePointerLightsUpWhenRemovable) {
  BlockManager unlinked;
  EXPECT_FALSE(unlinked.HoverChanged()) << "rules without a board have no pointer to follow";
  BoardHarness game({"Y R .", "Y Y G"});
  game.PointAt(0, 0);
  EXPECT_TRUE(game.Manager().Removable());
  game.Step(16);
  EXPECT_EQ(game.BlockAt(1, 0).Alpha(), 1.0f);
  EXPECT_EQ(game.BlockAt(0, 1).Alpha(), 1.0f);
  EXPECT_EQ(game.BlockAt(1, 1).Alpha(), 0.0f) << "a red block is not part of a yellow group";
  game.PointAt(0, 2);
  EXPECT_FALSE(game.Manager().Removable()) << "a single green block is no group";
  EXPECT_EQ(game.BlockAt(1, 0).Alpha(), 0.0f) << "moving away clears the highlight";

  SCOPED_TRACE("without shown groups nothing lights up, but a click still removes");
  BoardHarness hidden({"Y Y Y G"}, {.showGroups = false});
  hidden.PointAt(0, 1);
  hidden.Step(16);
  EXPECT_FALSE(hidden.Manager().Removable());
  EXPECT_EQ(hidden.BlockAt(0, 1).Alpha(), 0.0f);
  hidden.Click();
  hidden.FinishMove();
  EXPECT_EQ(hidden.ColouredBlocks(), 1);
}

TEST(RemoverRulesTest, BiggerGroupsScoreMorePerBlock) {
  struct Case {
    std::int32_t skill;
    int blocks;
    std::uint32_t score;
    const char* popUp;
  } cases[] = {{kEasy, 2, 20, nullptr},    {kNormal, 3, 60, nullptr},  {kNormal, 4, 80, nullptr},
               {kNormal, 5, 200, nullptr}, {kNormal, 6, 240, nullptr}, {kNormal, 7, 700, "350"},
               {kNormal, 8, 800, "400"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.blocks << " blocks on skill " << c.skill);
    std::string row = kRow;
    for (int column = 0; column < c.blocks; ++column) {
      row[2 * column] = 'Y';
    }
    BoardHarness game({kRow, row}, {.skill = c.skill});
    game.PointAt(0, 0);
    game.Click();
    EXPECT_EQ(game.Manager().Score(), c.score);
    ASSERT_FALSE(game.commands.empty());
    EXPECT_EQ(game.commands.back(), OControl::kScoreChanged);
    ASSERT_EQ(game.floating.texts.size(), c.popUp != nullptr ? 1u : 0u);
    if (c.popUp != nullptr) {
      const ShownText& text = game.floating.texts[0];
      EXPECT_EQ(text.text, c.popUp);
      EXPECT_EQ(text.position, game.BlockAt(0, 0).GetWorldPosition()) << "it stands where the pointer was";
    }
  }
}

TEST(RemoverRulesTest, AClickedGroupFadesAndNoClickCountsWhileTheBoardIsBusy) {
  BoardHarness game({"Y Y R . Y Y ."});
  game.PointAt(0, 1);
  game.Click();
  EXPECT_EQ(game.soundGroups.front(), BoardAudio::kClickGroup);
  const Block& removed = game.BlockAt(0, 0);
  EXPECT_EQ(removed.colour, kEmpty);
  EXPECT_EQ(removed.state, BlockState::Vanishing);
  ASSERT_EQ(game.Board().State(), BoardState::Falling);
  game.PointAt(0, 4);
  game.Click();
  EXPECT_EQ(game.BlockAt(0, 4).colour, kYellow) << "the second pair is still there";
  EXPECT_EQ(game.Manager().Score(), 20u);
  game.Step(150);
  EXPECT_FLOAT_EQ(removed.Alpha(), 0.5f) << "half-way through it is half see-through";
  game.Step(150);
  EXPECT_EQ(removed.state, BlockState::Gone);
}

TEST(RemoverRulesTest, BlocksFallOneRingPerFallTime) {
  BoardHarness game({"G .", "R .", "Y G", "Y G", "Y G"});
  game.PointAt(0, 0);
  game.Click();
  // Thirds of the fall time: nothing changes cells yet, the blocks above slide down.
  for (const float down : {-6.8f / 3.0f, -6.8f * 2.0f / 3.0f}) {
    game.Step(40);
    EXPECT_NEAR(game.BlockAt(3, 0).transform[14], down, 1e-4f);
    EXPECT_NEAR(game.BlockAt(4, 0).transform[14], down, 1e-4f);
  }
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({"G .", "R .", ". G", ". G", ". G"}));
  game.Step(40);
  EXPECT_EQ(game.BlockAt(2, 0).colour, kRed);
  EXPECT_EQ(game.BlockAt(2, 0).transform[14], 0.0f) << "a landed block sits in its cell";
  game.Step(100000);
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({". .", ". .", "G G", "R G", ". G"}))
      << "a huge frame falls one ring";
  game.FinishMove();
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({". .", ". .", ". G", "G G", "R G"}));
  EXPECT_EQ(BoardHarness::Count(game.soundGroups, BoardAudio::kLandingGroup), 1) << "one column landed";
}

TEST(RemoverRulesTest, RunsCloseTheGapsOneColumnPerShiftTime) {
  // A click on a lone Y (column 2) removes nothing but still closes the gaps.
  struct Case {
    const char* name;
    Picture before, afterTwoSteps, after;
  } cases[] = {
      {"a gap across the seam: both runs move out to it at once",
       {". . Y G . . . R B . . . . . . . . . . ."},
       {"Y G . . . . . . . R B . . . . . . . . ."},
       {"Y G . . . . . . . . . . . . . . . . R B"}},
      {"a middle run closes the narrower gap",
       {"Y G Y G Y . . . R G R . . . . B G B G B"},
       {"Y G Y G Y . R G R . . . . . . B G B G B"},
       {"Y G Y G Y R G R . . . . . . . B G B G B"}},
      {"the blocks above go along",
       {". . . . . . . . . . . . G . . . . . . .", "Y G Y G Y . . . . . . . R . . . . . . ."},
       {". . . . . . . . . . . . . . G . . . . .", "Y G Y G Y . . . . . . . . . R . . . . ."},
       {". . . . . . . . . . . . . . . . . . . G", "Y G Y G Y . . . . . . . . . . . . . . R"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BoardHarness game(c.before);
    game.PointAt(0, 2);
    game.Click();
    // One frame finds nothing to fall; a step then takes two frames of the shift time.
    game.Step(70, 1 + 2 * 2);
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy(c.afterTwoSteps));
    game.FinishMove();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy(c.after));
  }
}

TEST(RemoverRulesTest, TheGameEndsWhenTheBoardCanNoLongerBeCleared) {
  constexpr const char* kLost = "Try again";
  struct Case {
    const char* name;
    std::int32_t skill;
    int position, column;
    const char* message;  // none: the game goes on
    Picture board;
  } cases[] = {
      {"two yellows never go on Normal", kNormal, 0, 1, kLost, {". . . .", "Y . . .", "Y G G G"}},
      {"one each of four colours is too few", kNormal, 0, 5, kLost, {"Y G R B . .", "G R B Y Y Y"}},
      {"the bottom ring alone still holds a pair", kEasy, 0, 4, nullptr, {"Y G Y G B B R R"}},
      {"the bottom ring alone holds no group", kEasy, 0, 4, kLost, {"Y G Y G R R . ."}},
      {"an empty board wins", kEasy, 0, 0, "You win!!!", {". . .", "Y Y ."}},
      {"goodies and markers are no colour that runs short", kEasy, 0, 0, nullptr, {"Y Y G G M S"}},
      // Without this rule such a game could go on for ever.
      {"no turn of ring 2 over a full ring 1 helps", kNormal, 1, 0, kLost, {"G . . G . G", "R B R B R B"}},
      {"a pair over the seam turns onto G", kNormal, 1, 0, nullptr, {"G . . . . . G", "B R B R B G R"}},
      {"ring 3 never lines up", kNormal, 2, 0, kLost, {"R R . . . .", "Y G Y G Y G", "R B R B R B"}},
      {"three rings of R line up", kNormal, 0, 1, nullptr, {"R G . . . .", "Y G Y G R Y", "R B R B R B"}},
      {"a turn still lets blocks fall", kNormal, 1, 0, nullptr, {"Y G Y G Y G . .", "R B R B R B . ."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BoardHarness game(c.board, {.skill = c.skill});
    game.PointAt(c.position, c.column);
    game.Click();
    game.FinishMove();
    if (c.message == nullptr) {
      EXPECT_EQ(game.Board().State(), BoardState::Idle);
      EXPECT_TRUE(game.messages.texts.empty());
      continue;
    }
    EXPECT_EQ(game.Board().State(), BoardState::GameOver);
    ASSERT_EQ(game.messages.texts.size(), 1u);
    EXPECT_EQ(game.messages.texts[0].text, c.message);
    const bool won = c.message != kLost;
    EXPECT_EQ(game.Manager().Won(), won);
    EXPECT_EQ(game.sounds.back(), won ? BoardAudio::kWin : BoardAudio::kLose);
    EXPECT_TRUE(game.musicStopped);
    EXPECT_FALSE(game.rotateButtonsEnabled);
    EXPECT_FALSE(game.menuButtonEnabled);
    EXPECT_EQ(game.arrowClears, 1);
    // The screen hears of the end only once the message has shown, 3500 ms later.
    game.commands.clear();
    game.Step(500, 7);
    EXPECT_TRUE(game.commands.empty());
    game.Step(1);
    EXPECT_EQ(game.commands, std::vector<std::uint32_t>{OControl::kGameFinished});
  }
}
