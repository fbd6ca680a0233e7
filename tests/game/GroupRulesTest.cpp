// Groups under the pointer, their highlight, the click that removes them and
// what they score.
#include <gtest/gtest.h>

#include "BoardHarness.h"
#include "game/GroupTable.h"

namespace {

const std::string kRow = ". . . . . . . . . . . . . . . . . . . .";

// A bottom ring with n yellow blocks from column 0 and nothing else.
std::vector<std::string> YellowRun(int n) {
  std::string row;
  for (int column = 0; column < 20; ++column) {
    row += column < n ? "Y " : ". ";
  }
  return {kRow, row};
}

}  // namespace

TEST(GroupRulesTest, TheGroupUnderThePointerLightsUpWhenRemovable) {
  BoardHarness game({
      "Y R .",
      "Y Y G",
  });
  game.PointAt(0, 0);
  EXPECT_TRUE(game.Manager().Removable());
  EXPECT_EQ(GroupTable::Instance().Size(0), 3u);
  game.Step(16);
  EXPECT_EQ(game.BlockAt(1, 0).Alpha(), 1.0f);
  EXPECT_EQ(game.BlockAt(0, 1).Alpha(), 1.0f);
  EXPECT_EQ(game.BlockAt(1, 1).Alpha(), 0.0f) << "a red block is not part of a yellow group";

  game.PointAt(0, 2);
  EXPECT_FALSE(game.Manager().Removable()) << "a single green block is no group";
  EXPECT_EQ(game.BlockAt(1, 0).Alpha(), 0.0f) << "moving away clears the highlight";
}

TEST(GroupRulesTest, SkillSetsTheSmallestGroup) {
  {
    SCOPED_TRACE("Easy removes a pair for 20");
    BoardHarness game({
        "Y Y G",
    });
    game.PointAt(0, 0);
    EXPECT_TRUE(game.Manager().Removable());
    game.Click();
    game.FinishMove();
    EXPECT_EQ(game.Manager().Score(), 20u);
  }
  {
    SCOPED_TRACE("Normal leaves a pair alone, but the click is still a move");
    BoardHarness game(
        {
            ". G G Y",
            "Y Y G G",
        },
        BoardHarness::NormalSkill());
    game.PointAt(0, 0);
    EXPECT_FALSE(game.Manager().Removable());
    game.Step(16);
    EXPECT_EQ(game.BlockAt(0, 0).Alpha(), 0.0f);
    game.Click();
    EXPECT_EQ(game.Board().State(), BoardState::Falling);
    game.FinishMove();
    EXPECT_EQ(game.Manager().Score(), 0u);
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                  ". G G Y",
                                  "Y Y G G",
                              }));
    EXPECT_EQ(game.Board().State(), BoardState::Idle);
  }
}

TEST(GroupRulesTest, WithoutShownGroupsNothingLightsUpButClicksStillRemove) {
  BoardHarness::Options options;
  options.showGroups = false;
  BoardHarness game(
      {
          "Y Y Y G",
      },
      options);
  game.PointAt(0, 1);
  game.Step(16);
  EXPECT_FALSE(game.Manager().Removable());
  EXPECT_EQ(game.BlockAt(0, 1).Alpha(), 0.0f);
  game.Click();
  game.FinishMove();
  EXPECT_EQ(game.ColouredBlocks(), 1);
}

TEST(GroupRulesTest, BiggerGroupsScoreMorePerBlock) {
  struct Case {
    int blocks;
    std::uint32_t score;
    const char* popUp;
  };
  // Normal: factor 2, smallest group 3.
  const Case cases[] = {{3, 60, nullptr},  {4, 80, nullptr}, {5, 200, nullptr},
                        {6, 240, nullptr}, {7, 700, "350"},  {8, 800, "400"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.blocks << " blocks");
    BoardHarness game(YellowRun(c.blocks), BoardHarness::NormalSkill());
    game.PointAt(0, 0);
    game.Click();
    EXPECT_EQ(game.Manager().Score(), c.score);
    ASSERT_FALSE(game.commands.empty());
    EXPECT_EQ(game.commands.back(), OControl::kScoreChanged);
    if (c.popUp == nullptr) {
      EXPECT_TRUE(game.floating.texts.empty());
      continue;
    }
    ASSERT_EQ(game.floating.texts.size(), 1u);
    const ShownText& text = game.floating.texts[0];
    EXPECT_EQ(text.text, c.popUp);
    EXPECT_EQ(text.size, 8.0f);
    EXPECT_EQ(text.colour.b, 0.8f);
    const auto where = game.BlockAt(0, 0).GetWorldPosition();
    EXPECT_EQ(text.position, where) << "the pop-up stands where the pointer was";
  }
}

TEST(GroupRulesTest, AClickRemovesTheGroupWithAFadeAndTheClickSound) {
  BoardHarness game({
      "Y Y R",
  });
  game.PointAt(0, 1);
  game.Click();
  EXPECT_EQ(game.soundGroups.front(), BoardAudio::kClickGroup);
  const Block& removed = game.BlockAt(0, 0);
  EXPECT_EQ(removed.colour, kEmpty);
  EXPECT_EQ(removed.state, BlockState::Vanishing);
  game.Step(150);
  EXPECT_FLOAT_EQ(removed.Alpha(), 0.5f) << "half-way through it is half see-through";
  game.Step(150);
  EXPECT_EQ(removed.state, BlockState::Gone);
}

TEST(GroupRulesTest, ClicksAreIgnoredWhileTheBoardIsBusy) {
  BoardHarness game({
      "Y Y . . Y Y .",
  });
  game.PointAt(0, 0);
  game.Click();
  ASSERT_EQ(game.Board().State(), BoardState::Falling);
  game.PointAt(0, 4);
  game.Click();
  EXPECT_EQ(game.BlockAt(0, 4).colour, kYellow) << "the second pair is still there";
  EXPECT_EQ(game.Manager().Score(), 20u);
}
