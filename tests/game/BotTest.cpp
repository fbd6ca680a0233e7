// Random games played to the end by random clicks and turns with random frame
// times: Remover on both skills, Breakdown from every start level. Whatever the
// player does, the board stays sound and every game ends.
#include <gtest/gtest.h>

#include <random>

#include "BoardHarness.h"
#include "game/LevelRules.h"

namespace {

// The sanitizer build runs every check ten times slower; fewer games there still cover the same rules.
// bench_rules' BM_WholeRandomGame plays ten thousand games of each skill and counts any that never end.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kGames = 150;
#else
constexpr int kGames = 500;
#endif

class Bot {
 public:
  Bot(BoardHarness& game, std::uint32_t seed) : game_(game), random_(seed) {}

  int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random_); }
  std::uint32_t FrameTime() { return static_cast<std::uint32_t>(1 + Below(250)); }

  // Points at a random block, or at one of a removable group, and clicks, turns one ring or all of them.
  void Move(bool supplyClicks) {
    Cylinder& board = game_.Board();
    const int choice = Below(10);
    for (int attempt = 0; attempt < 100; ++attempt) {
      const int position = Below(board.RingCount());
      const int column = Below(board.CellsPerRing());
      if (board.RingAt(position).BlockAtColumn(column).colour != kEmpty) {
        game_.PointAt(position, column);
        if (choice >= 6 || game_.Manager().Removable()) {
          break;
        }
      }
    }
    if (choice < 6) {
      game_.Click();
    } else if (choice < 8) {
      game_.SetPointerDirection(Below(2) == 0 ? -1 : 1);
      game_.PressRight();
      Frames(1 + Below(8));
      game_.ReleaseRight();
    } else if (choice < 9 && board.State() == BoardState::Idle) {
      // As the rotate buttons do: only a resting board turns.
      board.RotateAll(Below(2) == 0 ? -1 : 1);
      Frames(1 + Below(3));
      board.StopAll();
    } else if (supplyClicks) {
      game_.PointAtSupply(Below(20));
      game_.Click();
    }
  }

  void Frames(int frames) {
    for (int frame = 0; frame < frames; ++frame) {
      game_.Step(FrameTime());
    }
  }

  // A Remover move is over when the board rests and no ring is still finishing its step.
  bool Moving() {
    Cylinder& board = game_.Board();
    for (int slot = 0; slot < board.RingCount(); ++slot) {
      if (board.RingInSlot(slot).TurnState() != RingTurn::Still) {
        return true;
      }
    }
    return board.State() != BoardState::Idle && board.State() != BoardState::GameOver;
  }

 private:
  BoardHarness& game_;
  std::mt19937 random_;
};

// Nothing stands above an empty cell, and the bottom ring has at most one gap.
void ExpectSound(BoardHarness& game) {
  Cylinder& board = game.Board();
  int gaps = 0;
  for (int column = 0; column < board.CellsPerRing(); ++column) {
    for (int position = 1; position < board.RingCount(); ++position) {
      ASSERT_FALSE(board.RingAt(position - 1).BlockAtColumn(column).colour == kEmpty &&
                   board.RingAt(position).BlockAtColumn(column).colour != kEmpty)
          << "a block stands above an empty cell:\n"
          << game.Picture();
    }
    const Ring& bottom = board.RingAt(0);
    gaps +=
        bottom.BlockAtColumn(column).colour == kEmpty && bottom.BlockAtColumn(column - 1).colour != kEmpty;
  }
  ASSERT_LE(gaps, 1) << "the bottom ring has more than one gap:\n" << game.Picture();
}

}  // namespace

TEST(BotTest, RandomRemoverGamesEndAndKeepTheBoardSound) {
  for (int number = 0; number < 2 * kGames; ++number) {
    SCOPED_TRACE(testing::Message() << "game " << number);
    const std::int32_t skill = number % 2 == 0 ? SkillRules::kEasy : SkillRules::kNormal;
    BoardHarness game(10, 20, {.skill = skill, .seed = static_cast<std::uint32_t>(number * 7919 + skill)});
    Bot bot(game, static_cast<std::uint32_t>(number));
    game.FinishIntro();
    std::uint32_t score = 0;
    int blocks = game.ColouredBlocks();
    for (int moves = 0; game.Board().State() != BoardState::GameOver; ++moves) {
      ASSERT_LT(moves, 3000) << "the game never ended:\n" << game.Picture();
      bot.Move(false);
      for (int frames = 0; bot.Moving(); ++frames) {
        ASSERT_LT(frames, 100000) << "a move that never ends:\n" << game.Picture();
        bot.Frames(1);
      }
      ExpectSound(game);
      ASSERT_FALSE(HasFatalFailure());
      ASSERT_GE(game.Manager().Score(), score);
      ASSERT_LE(game.ColouredBlocks(), blocks);
      score = game.Manager().Score();
      blocks = game.ColouredBlocks();
    }
    EXPECT_EQ(game.Manager().Won(), blocks == 0);
  }
}

TEST(BotTest, RandomBreakdownGamesFromEveryLevelStaySoundAndEnd) {
  int levelsCompleted = 0;
  for (std::uint16_t level = 1; level <= LevelRules::kLastLevel; ++level) {
    for (int number = 0; number < kGames / 33; ++number) {
      SCOPED_TRACE(testing::Message() << "level " << level << ", game " << number);
      const auto seed = static_cast<std::uint32_t>(level * 1000 + number);
      BoardHarness game(BoardHarness::kBreakdown,
                        {.skill = number % 2 == 0 ? SkillRules::kEasy : SkillRules::kNormal,
                         .seed = seed,
                         .level = level,
                         .chanceSeed = seed});
      Bot bot(game, seed);
      std::uint32_t score = 0;
      // Rows come faster than random clicks clear them; no game lasts ten thousand moves.
      for (int moves = 0; BoardHarness::Count(game.commands, OControl::kGameFinished) == 0; ++moves) {
        ASSERT_LT(moves, 10000) << "the game never ended:\n" << game.Picture();
        // A patient player never calls a row early.
        bot.Move(number % 3 != 0);
        bot.Frames(1 + bot.Below(10));
        const CollapseBlockManager& rules = game.Rules();
        ASSERT_LE(rules.RowsPushed(), rules.Rules().rowsToClear);
        ASSERT_GE(rules.Score(), score) << "the score never goes down";
        score = rules.Score();
      }
      EXPECT_EQ(BoardHarness::Count(game.commands, OControl::kGameFinished), 1);
      EXPECT_EQ(game.Board().State(), BoardState::GameOver);
      levelsCompleted += game.LevelsStarted() - 1;
    }
  }
  EXPECT_GT(levelsCompleted, 0) << "the games must reach a level's end too";
}
