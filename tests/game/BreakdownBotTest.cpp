// Random Breakdown games from every start level, played by random clicks on
// the board and the supply ring, turns of single rings and of all rings, with
// random frame times, until the rings burst. Whatever the player does, the
// board stays sound and every game ends.
#include <gtest/gtest.h>

#include <random>

#include "BreakdownHarness.h"
#include "game/LevelRules.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kGamesPerLevel = 6;
#else
constexpr int kGamesPerLevel = 30;
#endif
// Rows come faster than random clicks clear them; no game lasts this long.
constexpr std::uint64_t kLongestGameMs = 60ull * 60 * 1000;

class BreakdownBot {
 public:
  // A patient player never calls a row early.
  BreakdownBot(BreakdownHarness& game, std::uint32_t seed, bool patient)
      : game_(game), random_(seed), patient_(patient) {}

  int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random_); }

  void Act() {
    const int choice = Below(20);
    if (choice < 10) {
      AimAtAGroup();
      game_.Click();
    } else if (choice < 13) {
      game_.PointAt(Below(10), Below(20));
      game_.Send(OEvent::Mouse(OEvent::kButtonDown, OEvent::kRight, 0, 1, 100));
      Frames();
      game_.Send(OEvent::Mouse(OEvent::kButtonUp, OEvent::kRight, 0, 1, 100));
    } else if (choice < 15) {
      // As the rotate buttons do: only a resting board turns.
      if (game_.Board().State() == BoardState::Idle) {
        game_.Board().RotateAll(Below(2) == 0 ? -1 : 1);
      }
      Frames();
      if (game_.Board().State() == BoardState::RotatingAll) {
        game_.Board().StopAll();
      }
    } else if (choice < 16 && !patient_) {
      game_.PointAtSupply(Below(20));
      game_.Click();
    } else {
      game_.PointAway();
    }
    Frames();
  }

  bool Over() const { return game_.Count(game_.commands, OControl::kGameFinished) > 0; }
  std::uint64_t PlayedMs() const { return playedMs_; }

 private:
  // A player looks for a group worth clicking, and sometimes misses.
  void AimAtAGroup() {
    for (int attempt = 0; attempt < 40; ++attempt) {
      game_.PointAt(Below(10), Below(20));
      if (game_.Rules().Removable()) {
        return;
      }
    }
  }

  void Frames() {
    const int frames = 1 + Below(10);
    for (int frame = 0; frame < frames && !Over(); ++frame) {
      const auto elapsed = static_cast<std::uint32_t>(1 + Below(250));
      game_.Step(elapsed);
      playedMs_ += elapsed;
      CheckBoard();
      if (testing::Test::HasFatalFailure()) {
        return;
      }
    }
  }

  void CheckBoard() {
    CollapseCylinder& board = game_.Board();
    for (int slot = 0; slot < board.RingCount(); ++slot) {
      const Ring& ring = board.RingInSlot(slot);
      ASSERT_GE(ring.Offset(), 0);
      ASSERT_LT(ring.Offset(), board.CellsPerRing());
      for (std::uint16_t cell = 0; cell < ring.CellCount(); ++cell) {
        const BlockColour colour = ring.BlockAt(cell).colour;
        ASSERT_TRUE(colour <= kMarker || colour == kGoody) << "colour " << colour << "\n" << game_.Picture();
      }
    }
    const CollapseBlockManager& rules = game_.Rules();
    ASSERT_LE(rules.RowsPushed(), rules.Rules().rowsToClear);
    ASSERT_LE(game_.Supply().Filled(), game_.Supply().CellCount());
    ASSERT_GE(rules.Score(), lastScore_) << "the score never goes down";
    lastScore_ = rules.Score();
    ASSERT_LE(game_.Count(game_.commands, OControl::kGameFinished), 1);
  }

  BreakdownHarness& game_;
  std::mt19937 random_;
  bool patient_;
  std::uint64_t playedMs_ = 0;
  std::uint32_t lastScore_ = 0;
};

}  // namespace

TEST(BreakdownBotTest, RandomGamesFromEveryLevelStaySoundAndEnd) {
  int levelsCompleted = 0;
  for (std::uint16_t level = 1; level <= LevelRules::kLastLevel; ++level) {
    for (int number = 0; number < kGamesPerLevel; ++number) {
      SCOPED_TRACE(testing::Message() << "level " << level << ", game " << number);
      BreakdownHarness::Options options;
      options.startLevel = level;
      options.skill = number % 2 == 0 ? SkillRules::kEasy : SkillRules::kNormal;
      options.seed = static_cast<std::uint32_t>(level * 1000 + number);
      options.chanceSeed = options.seed;
      BreakdownHarness game(options);
      BreakdownBot bot(game, options.seed, number % 3 == 0);
      while (!bot.Over()) {
        ASSERT_LT(bot.PlayedMs(), kLongestGameMs) << "the game never ended:\n" << game.Picture();
        bot.Act();
        if (HasFatalFailure()) {
          return;
        }
      }
      EXPECT_EQ(game.Board().State(), BoardState::GameOver);
      levelsCompleted += game.LevelsStarted() - 1;
    }
  }
  EXPECT_GT(levelsCompleted, 0) << "the games must reach a level's end too";
}
