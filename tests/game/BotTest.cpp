// Random Remover games played to the end by random clicks and turns with
// random frame times. Whatever the player does, the board stays sound.
#include <gtest/gtest.h>

#include <random>

#include "BoardHarness.h"

namespace {

// The sanitizer build runs every check of a game ten times slower; fewer
// games there still cover the same rules.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kGamesPerSkill = 150;
#else
constexpr int kGamesPerSkill = 1000;
#endif
constexpr int kMostMoves = 3000;

class Bot {
 public:
  Bot(BoardHarness& game, std::uint32_t seed) : game_(game), random_(seed) {}

  int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random_); }
  std::uint32_t FrameTime() { return static_cast<std::uint32_t>(1 + Below(250)); }

  // A move is over when the board rests and no ring is still finishing its step.
  bool Moving() {
    Cylinder& board = game_.Board();
    for (int slot = 0; slot < board.RingCount(); ++slot) {
      if (board.RingInSlot(slot).TurnState() != RingTurn::Still) {
        return true;
      }
    }
    return board.State() != BoardState::Idle && board.State() != BoardState::GameOver;
  }

  void RunFrames() {
    int frames = 0;
    while (Moving()) {
      game_.Step(FrameTime());
      ASSERT_LT(++frames, 100000) << "a move that never ends:\n" << game_.Picture();
    }
  }

  // Points at a random block, so that most moves do something.
  bool PointAtSomeBlock() {
    Cylinder& board = game_.Board();
    for (int attempt = 0; attempt < 1000; ++attempt) {
      const int position = Below(board.RingCount());
      const int column = Below(board.CellsPerRing());
      if (board.RingAt(position).BlockAtColumn(column).colour != kEmpty) {
        game_.PointAt(position, column);
        return true;
      }
    }
    return false;
  }

  void PlayMove() {
    if (!PointAtSomeBlock()) {
      game_.PointAt(0, 0);
    }
    const int choice = Below(10);
    if (choice < 7) {
      game_.Click();
    } else if (choice < 9) {
      game_.SetPointerDirection(Below(2) == 0 ? -1 : 1);
      game_.PressRight();
      const int frames = 1 + Below(8);
      for (int frame = 0; frame < frames; ++frame) {
        game_.Step(FrameTime());
      }
      game_.ReleaseRight();
    } else {
      game_.Board().RotateAll(Below(2) == 0 ? -1 : 1);
      game_.Step(FrameTime());
      game_.Board().StopAll();
    }
    RunFrames();
  }

 private:
  BoardHarness& game_;
  std::mt19937 random_;
};

void ExpectSound(BoardHarness& game) {
  Cylinder& board = game.Board();
  for (int column = 0; column < board.CellsPerRing(); ++column) {
    bool sawEmpty = false;
    for (int position = 0; position < board.RingCount(); ++position) {
      const bool empty = board.RingAt(position).BlockAtColumn(column).colour == kEmpty;
      ASSERT_FALSE(sawEmpty && !empty) << "a block stands above an empty cell in column " << column << ":\n"
                                       << game.Picture();
      sawEmpty = sawEmpty || empty;
    }
  }
  const Ring& bottom = board.RingAt(0);
  int gaps = 0;
  for (int column = 0; column < board.CellsPerRing(); ++column) {
    const bool empty = bottom.BlockAtColumn(column).colour == kEmpty;
    const bool leftEmpty = bottom.BlockAtColumn(column - 1).colour == kEmpty;
    gaps += empty && !leftEmpty ? 1 : 0;
  }
  ASSERT_LE(gaps, 1) << "the bottom ring has more than one gap:\n" << game.Picture();
}

void PlayGames(std::int32_t skill) {
  for (int number = 0; number < kGamesPerSkill; ++number) {
    SCOPED_TRACE(testing::Message() << "game " << number);
    BoardHarness::Options options;
    options.skill = skill;
    options.seed = static_cast<std::uint32_t>(number * 7919 + skill);
    BoardHarness game(10, 20, options);
    Bot bot(game, static_cast<std::uint32_t>(number));
    bot.RunFrames();
    ASSERT_EQ(game.Board().State(), BoardState::Idle);

    std::uint32_t score = game.Manager().Score();
    int blocks = game.ColouredBlocks();
    int moves = 0;
    while (game.Board().State() != BoardState::GameOver) {
      ASSERT_LT(++moves, kMostMoves) << "the game never ended:\n" << game.Picture();
      bot.PlayMove();
      if (testing::Test::HasFatalFailure()) {
        return;
      }
      ExpectSound(game);
      if (testing::Test::HasFatalFailure()) {
        return;
      }
      ASSERT_GE(game.Manager().Score(), score);
      ASSERT_LE(game.ColouredBlocks(), blocks);
      score = game.Manager().Score();
      blocks = game.ColouredBlocks();
    }
    EXPECT_EQ(game.Manager().Won(), blocks == 0);
  }
}

}  // namespace

TEST(BotTest, RandomEasyGamesEndAndKeepTheBoardSound) { PlayGames(SkillRules::kEasy); }

TEST(BotTest, RandomNormalGamesEndAndKeepTheBoardSound) { PlayGames(SkillRules::kNormal); }
