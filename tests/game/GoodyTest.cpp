// What each goody removes when it is clicked, how plain groups take goodies
// along, and how often the supply ring's draw picks each goody.
#include <gtest/gtest.h>

#include <map>

#include "BoardHarness.h"
#include "game/BlockRandom.h"
#include "game/EffectList.h"
#include "game/GoodyTemplates.h"
#include "game/LevelRules.h"

namespace {

// Rows of alternating colours: no two touching blocks share a colour, so only
// a goody's pattern can remove anything.
const std::string kEven = "Y G Y G Y G Y G Y G Y G Y G Y G Y G Y G";
const std::string kOdd = "G Y G Y G Y G Y G Y G Y G Y G Y G Y G Y";

// Sets one cell of a picture row, columns counted without the spaces.
std::string With(std::string row, int column, char letter) {
  row[static_cast<std::size_t>(column) * 2] = letter;
  return row;
}

}  // namespace

TEST(GoodyTest, TheSuperBombClearsItsSquareAndTheCellsTwoStepsAway) {
  {
    SCOPED_TRACE("in the middle of the board");
    BoardHarness game({kEven, kOdd, With(kEven, 10, 'S'), kOdd, kEven});
    game.PointAt(2, 10);
    game.Click();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                  "Y G Y G Y G Y G Y G . G Y G Y G Y G Y G",
                                  "G Y G Y G Y G Y G . . . G Y G Y G Y G Y",
                                  "Y G Y G Y G Y G . . . . . G Y G Y G Y G",
                                  "G Y G Y G Y G Y G . . . G Y G Y G Y G Y",
                                  "Y G Y G Y G Y G Y G . G Y G Y G Y G Y G",
                              }));
    // Thirteen cells and the bomb twice more: 15 entries at 50 points each.
    EXPECT_EQ(game.Manager().Score(), 15u * 50u);
  }
  {
    SCOPED_TRACE("at the seam of the bottom ring");
    BoardHarness game({kEven, kOdd, kEven, kOdd, With(kEven, 0, 'S')});
    game.PointAt(0, 0);
    game.Click();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                  kEven,
                                  kOdd,
                                  ". G Y G Y G Y G Y G Y G Y G Y G Y G Y G",
                                  ". . G Y G Y G Y G Y G Y G Y G Y G Y G .",
                                  ". . . G Y G Y G Y G Y G Y G Y G Y G . .",
                              }));
  }
}

TEST(GoodyTest, AClickedGoodyExplodesWhatItRemoves) {
  EffectList::Instance().Clear();
  BoardHarness game({kOdd, With(kEven, 5, 'S')});
  game.PointAt(0, 5);
  game.Click();
  // The bomb three times, two more in its ring, three above.
  EXPECT_EQ(EffectList::Instance().Size(), 3u + 4u + 3u);
  EXPECT_EQ(game.BlockAt(0, 4).state, BlockState::Gone) << "exploded blocks do not fade";
  EXPECT_EQ(game.soundGroups.back(), BoardAudio::kExplosionGroup);
  EffectList::Instance().Clear();
}

TEST(GoodyTest, APlainGroupTakesATouchingGoodyAlongAndFades) {
  EffectList::Instance().Clear();
  BoardHarness game({
      "G Y G Y",
      "R R S Y",
  });
  game.PointAt(0, 0);
  EXPECT_TRUE(game.Manager().Removable());
  game.Click();
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({"G Y G Y", ". . . Y"}));
  EXPECT_EQ(game.BlockAt(0, 2).state, BlockState::Vanishing);
  EXPECT_EQ(EffectList::Instance().Size(), 0u) << "a group started from a plain block fades";
  EXPECT_EQ(game.Manager().Score(), 3u * 10u);
}

TEST(GoodyTest, ColourBombsJoinOnlyGroupsOfTheirOwnColour) {
  {
    SCOPED_TRACE("a yellow group leaves a red bomb where it is");
    BoardHarness game({"G B G B G", "Y Y r B G"});
    game.PointAt(0, 0);
    game.Click();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy({"G B G B G", ". . r B G"}));
  }
  {
    SCOPED_TRACE("a red group takes it along");
    BoardHarness game({"G B G B G", "R R r B G"});
    game.PointAt(0, 0);
    game.Click();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy({"G B G B G", ". . . B G"}));
  }
  {
    SCOPED_TRACE("clicked, it clears its colour from the whole board");
    BoardHarness game({"R B R B Y", "Y R g B R"});
    game.PointAt(0, 2);
    game.Click();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy({"R B R B Y", "Y R . B R"}))
        << "a green bomb on a board without green clears only itself";
    BoardHarness red({"R B R B G", "Y R r B R"});
    red.PointAt(0, 2);
    red.Click();
    EXPECT_EQ(red.Picture(), BoardHarness::Tidy({". B . B G", "Y . . B ."}));
  }
}

TEST(GoodyTest, TheRingAndColumnBombsClearTheirLine) {
  {
    SCOPED_TRACE("a ring bomb in a full ring scores 22 entries");
    BoardHarness game({kEven, With(kOdd, 7, 'H')});
    game.PointAt(0, 7);
    game.Click();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy({kEven, ". . . . . . . . . . . . . . . . . . . ."}));
    EXPECT_EQ(game.Manager().Score(), 22u * 50u);
  }
  {
    SCOPED_TRACE("a ring bomb alone is removable on Normal");
    BoardHarness game({"Y G Y G", ". H . ."}, BoardHarness::NormalSkill());
    game.PointAt(0, 1);
    EXPECT_TRUE(game.Manager().Removable());
    game.Click();
    EXPECT_EQ(game.Manager().Score(), 2u * 3u * 10u);
  }
  {
    SCOPED_TRACE("a column bomb in the top ring clears its column");
    BoardHarness game({"Y V Y G", "G Y G Y", "Y . Y G", "G B G Y"});
    game.PointAt(3, 1);
    game.Click();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy({"Y . Y G", "G . G Y", "Y . Y G", "G . G Y"}));
  }
}

TEST(GoodyTest, TheClusterBombClearsEveryGroupBigEnough) {
  {
    SCOPED_TRACE("on singletons it removes only itself");
    BoardHarness game({kEven, With(kOdd, 3, 'C'), kEven});
    game.PointAt(1, 3);
    game.Click();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy({kEven, With(kOdd, 3, '.'), kEven}));
    EXPECT_EQ(game.Manager().Score(), 3u * 10u);
  }
  {
    SCOPED_TRACE("with groups on the board");
    BoardHarness game({"R R Y B", "G C Y B", "G R Y R"}, BoardHarness::NormalSkill());
    game.PointAt(1, 1);
    game.Click();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy({"R R . B", "G . . B", "G R . R"}))
        << "pairs stay on Normal; the group of three yellows goes";
  }
}

TEST(GoodyTest, TheCrossRemovesItsNeighboursAndTheirGroups) {
  BoardHarness game({
      "B G G G B R B R",
      "R Y X R B Y R Y",
      "Y B . Y R B Y B",
  });
  game.PointAt(1, 2);
  EXPECT_TRUE(game.Manager().Removable());
  game.Click();
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                "B . . . B R B R",
                                "R . . . B Y R Y",
                                "Y B . Y R B Y B",
                            }));
  // The cross three times and its four neighbours, then the green group of three.
  EXPECT_EQ(game.Manager().Score(), 10u * 50u);
}

TEST(GoodyTest, PatternsDoNotChainThroughOtherGoodies) {
  // The ring bomb lies in the super bomb's square: it goes, its ring stays.
  BoardHarness game({kEven, With(kOdd, 6, 'H'), With(kEven, 5, 'S')});
  game.PointAt(0, 5);
  game.Click();
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                With(kEven, 5, '.'),
                                "G Y G Y . . . Y G Y G Y G Y G Y G Y G Y",
                                "Y G Y . . . . . Y G Y G Y G Y G Y G Y G",
                            }));
}

TEST(GoodyTest, EachGoodyComesAsOftenAsItsWeight) {
  GoodyTemplates& goodies = GoodyTemplates::Instance();
  BlockRandom& random = BlockRandom::Instance();
  random.Seed(12345);
  for (const std::uint16_t level : {1, 3, 5}) {
    SCOPED_TRACE(testing::Message() << "level " << level);
    const auto& weights = LevelRules::For(level).goodyWeights;
    goodies.SetWeights(weights);
    constexpr int kDraws = 200000;
    std::map<std::string, int> drawn;
    for (int draw = 0; draw < kDraws; ++draw) {
      const Bonus* goody = goodies.PickGoody(random);
      ASSERT_NE(goody, nullptr) << "the shares add up to one";
      ++drawn[goody->name];
    }
    for (const Bonus* goody : goodies.All()) {
      const float weight = weights.at(goody->name);
      const double share = static_cast<double>(drawn[goody->name]) / kDraws;
      if (weight == 0.0f) {
        EXPECT_EQ(drawn[goody->name], 0) << goody->name;
      } else {
        EXPECT_NEAR(share, weight, 0.005) << goody->name;
      }
    }
  }
}
