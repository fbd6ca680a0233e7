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

constexpr std::int32_t kEasy = SkillRules::kEasy;
constexpr std::int32_t kNormal = SkillRules::kNormal;

}  // namespace

TEST(GoodyTest, EachGoodyRemovesItsPattern) {
  const std::string e = "Y G Y G Y G Y";
  const std::string o = "G Y G Y G Y G";
  struct Case {
    const char* name;
    std::int32_t skill;
    int position, column;
    std::uint32_t score;  // 0: not checked
    std::vector<std::string> board, after;
  } cases[] = {
      // clang-format off
      {"the super bomb clears its square and the cells two steps away: 13 cells, the bomb twice more",
       kEasy, 2, 3, 15 * 50, {e, o, "Y G Y S Y G Y", o, e},
       {"Y G Y . Y G Y", "G Y . . . Y G", "Y . . . . . Y", "G Y . . . Y G", "Y G Y . Y G Y"}},
      {"the super bomb at the seam", kEasy, 0, 0, 0, {e, o, e, o, "S G Y G Y G Y"},
       {e, o, ". G Y G Y G Y", ". . G Y G Y .", ". . . G Y . ."}},
      {"patterns do not chain: the ring bomb in the square goes, its ring stays", kEasy, 0, 3, 0,
       {e, "G Y G Y H Y G", "Y G Y S Y G Y"}, {"Y G Y . Y G Y", "G Y . . . Y G", "Y . . . . . Y"}},
      {"the ring bomb clears its ring", kEasy, 0, 4, 9 * 50, {e, "G Y G Y H Y G"}, {e, ". . . . . . ."}},
      {"a ring bomb alone is removable on Normal", kNormal, 0, 1, 2 * 3 * 10, {"Y G Y G", ". H . ."},
       {"Y G Y G", ". . . ."}},
      {"the column bomb clears its column", kEasy, 3, 1, 0, {"Y V Y G", "G Y G Y", "Y . Y G", "G B G Y"},
       {"Y . Y G", "G . G Y", "Y . Y G", "G . G Y"}},
      {"a red bomb clears every red", kEasy, 0, 2, 0, {"R B R B G", "Y R r B R"}, {". B . B G", "Y . . B ."}},
      {"a yellow group leaves a red bomb", kEasy, 0, 0, 0, {"G B G B G", "Y Y r B G"},
       {"G B G B G", ". . r B G"}},
      {"a red group takes a red bomb along", kEasy, 0, 0, 0, {"G B G B G", "R R r B G"},
       {"G B G B G", ". . . B G"}},
      {"the cluster bomb on singletons removes only itself", kEasy, 1, 1, 3 * 10,
       {"Y G Y G", "G C G Y", "Y G Y G"}, {"Y G Y G", "G . G Y", "Y G Y G"}},
      {"the cluster bomb clears every group big enough: pairs stay on Normal", kNormal, 1, 1, 0,
       {"R R Y B", "G C Y B", "G R Y R"}, {"R R . B", "G . . B", "G R . R"}},
      // The cross three times, its four neighbours, the green group of three and the yellow pair.
      {"the cross removes its neighbours and their groups", kEasy, 1, 2, 12 * 50,
       {"B G G G B R B R", "R Y X R B Y R Y", "Y B Y Y R B Y B"},
       {"B . . . B R B R", "R . . . B Y R Y", "Y B . . R B Y B"}},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BoardHarness game(c.board, {.skill = c.skill});
    game.PointAt(c.position, c.column);
    EXPECT_TRUE(game.Manager().Removable());
    game.Click();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy(c.after));
    if (c.score != 0) {
      EXPECT_EQ(game.Manager().Score(), c.score);
    }
  }
}

TEST(GoodyTest, AClickedGoodyExplodesWhatItRemovesAPlainGroupFades) {
  EffectList::Instance().Clear();
  BoardHarness game({kOdd, With(kEven, 5, 'S')});
  game.PointAt(0, 5);
  game.Click();
  // The bomb three times, two more in its ring, three above.
  EXPECT_EQ(EffectList::Instance().Size(), 3u + 4u + 3u);
  EXPECT_EQ(game.BlockAt(0, 4).state, BlockState::Gone) << "exploded blocks do not fade";
  EXPECT_EQ(game.soundGroups.back(), BoardAudio::kExplosionGroup);
  EffectList::Instance().Clear();

  BoardHarness plain({"G Y G Y", "R R S Y"});
  plain.PointAt(0, 0);
  plain.Click();
  EXPECT_EQ(plain.Picture(), BoardHarness::Tidy({"G Y G Y", ". . . Y"}));
  EXPECT_EQ(plain.BlockAt(0, 2).state, BlockState::Vanishing);
  EXPECT_EQ(EffectList::Instance().Size(), 0u);
  EXPECT_EQ(plain.Manager().Score(), 3u * 10u);
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
      const double share = static_cast<double>(drawn[goody->name]) / kDraws;
      EXPECT_NEAR(share, weights.at(goody->name), weights.at(goody->name) == 0.0f ? 0.0 : 0.005)
          << goody->name;
    }
  }
}
