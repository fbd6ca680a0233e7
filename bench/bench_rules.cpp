// What the board rules cost: finding the group under the pointer, the click
// that removes it, one frame in each board state, a whole Remover game played
// by random clicks, and the Breakdown steps: a row pushed in, a frame with the
// supply ring filling, and the biggest goody search.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#include "core/OConfig.h"
#include "game/BlockManager.h"
#include "game/BlockRandom.h"
#include "game/CellPicker.h"
#include "game/CollapseBlockManager.h"
#include "game/CollapseCylinder.h"
#include "game/Cylinder.h"
#include "game/GoodyTemplates.h"
#include "game/SupRing.h"
#include "gfx/OModelManager.h"
#include "ui/OEvent.h"

namespace {

// The pointer stands over one cell, as the ray through it would find.
class FixedPointer : public CellPicker {
 public:
  std::int16_t Pick(const Ring& ring, const OEvent& /*event*/) override {
    if (board == nullptr || position < 0 ||
        Cylinder::PositionOfSlot(board->SlotOf(ring), board->RingCount()) != position) {
      return -1;
    }
    return static_cast<std::int16_t>(ring.IndexOfColumn(column));
  }
  int Direction(const Ring& /*ring*/, const OEvent& /*event*/) override { return 1; }
  std::int16_t FirstCellHit(const Ring& /*ring*/, const OEvent& /*event*/) override { return -1; }

  const Cylinder* board = nullptr;
  int position = -1;
  int column = 0;
};

// Blocks are models, and the model cache reads the settings file when it starts:
// point it at a scratch folder, and start it before the settings are changed here.
void KeepSettingsAside() {
  static const bool done = [] {
    OConfig::Instance().fileName =
        (std::filesystem::temp_directory_path() / "tornet_bench_rules" / "Data" / "Config.Cfg").string();
    OModelManager::Instance();
    return true;
  }();
  (void)done;
}

// A dealt Remover board of 10 rings of 20, already landed and waiting for the player.
struct Game {
  explicit Game(std::uint32_t seed, std::int32_t skill = 0)
      : board(Cylinder::kRemoverId, 10, 20, 24.0f, 6.8f) {
    KeepSettingsAside();
    OConfig::Instance().skill = skill;
    OConfig::Instance().showGroups = true;
    BlockRandom::Instance().Seed(seed);
    pointer.board = &board;
    board.SetPicker(&pointer);
    board.SetManager(&manager);
    manager.SetBoard(&board);
    manager.Init(0);
    board.Init();
    board.SetState(BoardState::Idle);
  }

  void PointAt(int position, int column) {
    pointer.position = position;
    pointer.column = column;
    const OEvent move = OEvent::Mouse(OEvent::kMouseMove, 0, 0, static_cast<std::uint16_t>(column), 0);
    if (board.HitTest(move)) {
      board.HandleEvent(move);
    }
  }

  void Press(std::uint32_t type, std::uint32_t button) {
    const OEvent press = OEvent::Mouse(type, button, 0, static_cast<std::uint16_t>(pointer.column), 0);
    if (board.HitTest(press)) {
      board.HandleEvent(press);
    }
  }
  void Click() { Press(OEvent::kButtonDown, OEvent::kLeft); }

  // A move lasts until the board rests and the ring under the pointer has finished its step.
  bool Moving() {
    const int active = board.ActiveRing();
    if (active != -1 && board.RingInSlot(active).TurnState() != RingTurn::Still) {
      return true;
    }
    return board.State() != BoardState::Idle && board.State() != BoardState::GameOver;
  }

  Cylinder board;
  BlockManager manager;
  FixedPointer pointer;
};

void PointAtRandomBlock(Game& game, std::mt19937& random) {
  std::vector<std::pair<int, int>> filled;
  for (int position = 0; position < game.board.RingCount(); ++position) {
    for (int column = 0; column < game.board.CellsPerRing(); ++column) {
      if (game.board.RingAt(position).BlockAtColumn(column).colour != kEmpty) {
        filled.emplace_back(position, column);
      }
    }
  }
  if (!filled.empty()) {
    const auto& [position, column] = filled[random() % filled.size()];
    game.PointAt(position, column);
  }
}

void BM_RefreshHoverFullBoard(benchmark::State& state) {
  Game game(42);
  game.PointAt(4, 7);
  for (auto _ : state) {
    game.manager.RefreshHover();
    benchmark::DoNotOptimize(game.manager.Removable());
  }
}
BENCHMARK(BM_RefreshHoverFullBoard);

// The click itself: the group under the pointer is taken off, scored, and the
// board set falling. Each click gets a freshly dealt board.
void BM_ClickGroup(benchmark::State& state) {
  std::uint32_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    Game game(seed++);
    for (int column = 0; column < 20 && !game.manager.Removable(); ++column) {
      game.PointAt(4, column);
    }
    state.ResumeTiming();
    game.Click();
    benchmark::DoNotOptimize(game.board.State());
  }
}
BENCHMARK(BM_ClickGroup);

void BM_FrameIdle(benchmark::State& state) {
  Game game(42);
  game.PointAt(4, 7);
  for (auto _ : state) {
    game.board.Update(16);
  }
}
BENCHMARK(BM_FrameIdle);

void BM_FrameIntro(benchmark::State& state) {
  Game game(42);
  game.board.RaiseRings();
  game.board.SetState(BoardState::Intro);
  for (auto _ : state) {
    game.board.Update(1);
    if (game.board.State() != BoardState::Intro) {
      state.PauseTiming();
      game.board.RaiseRings();
      game.board.SetState(BoardState::Intro);
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_FrameIntro);

void BM_FrameRotatingAll(benchmark::State& state) {
  Game game(42);
  game.board.RotateAll(1);
  for (auto _ : state) {
    game.board.Update(16);
  }
}
BENCHMARK(BM_FrameRotatingAll);

// A column with its bottom block gone: the frame walks every column and lowers the blocks above.
void BM_FrameFalling(benchmark::State& state) {
  Game game(42);
  game.board.RingAt(0).BlockAtColumn(0).colour = kEmpty;
  for (auto _ : state) {
    game.board.SetState(BoardState::Falling);
    game.board.Update(1);
  }
}
BENCHMARK(BM_FrameFalling);

// Once the gaps are closed this is the end of the move: the end-of-game test and a new hover.
void BM_FrameShifting(benchmark::State& state) {
  Game game(42);
  game.PointAt(4, 7);
  for (int position = 0; position < 10; ++position) {
    game.board.RingAt(position).BlockAtColumn(5).colour = kEmpty;
    game.board.RingAt(position).BlockAtColumn(12).colour = kEmpty;
  }
  for (auto _ : state) {
    game.board.SetState(BoardState::Shifting);
    game.board.Update(16);
  }
}
BENCHMARK(BM_FrameShifting);

void BM_FrameGameOver(benchmark::State& state) {
  Game game(42);
  game.board.SetState(BoardState::GameOver);
  for (auto _ : state) {
    game.board.Update(16);
  }
}
BENCHMARK(BM_FrameGameOver);

// A random player until the game is over, with 16 ms frames: it clicks a random
// block, turns its ring for a few frames, or turns all rings one step. Every
// game must end; "unfinished" counts those that reach the cap of moves.
// --benchmark_filter=WholeRandomGame --benchmark_min_time=40 plays more than
// ten thousand games of each skill; "games" says how many.
void BM_WholeRandomGame(benchmark::State& state) {
  constexpr int kMostMoves = 20000;
  std::uint32_t seed = 1;
  std::int64_t frames = 0;
  std::int64_t moves = 0;
  std::int64_t unfinished = 0;
  for (auto _ : state) {
    Game game(seed, static_cast<std::int32_t>(state.range(0)));
    std::mt19937 random(seed++);
    int move = 0;
    for (; game.board.State() != BoardState::GameOver && move < kMostMoves; ++move) {
      PointAtRandomBlock(game, random);
      const std::uint32_t choice = random() % 8;
      if (choice == 0) {
        game.board.RotateAll(1);
        game.board.Update(16);
        game.board.StopAll();
      } else if (choice <= 2) {
        game.Press(OEvent::kButtonDown, OEvent::kRight);
        for (std::uint32_t frame = random() % 30; frame > 0; --frame) {
          game.board.Update(16);
        }
        game.Press(OEvent::kButtonUp, OEvent::kRight);
      } else {
        game.Click();
      }
      for (; game.Moving(); ++frames) {
        game.board.Update(16);
      }
    }
    moves += move;
    unfinished += game.board.State() != BoardState::GameOver ? 1 : 0;
  }
  state.counters["frames/game"] =
      benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kAvgIterations);
  state.counters["moves/game"] =
      benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
  state.counters["games"] = static_cast<double>(state.iterations());
  state.counters["unfinished"] = static_cast<double>(unfinished);
}
BENCHMARK(BM_WholeRandomGame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A Breakdown level after its intro, with the supply ring running.
struct BreakdownGame {
  BreakdownGame() : rules(1) {
    KeepSettingsAside();
    OConfig::Instance().skill = 0;
    BlockRandom::Instance().Seed(42);
    supply.Init();
    board.SetPicker(&pointer);
    pointer.board = &board;
    rules.StartLevel(board, supply);
    board.Init();
    board.RaiseRings();
    while (board.State() == BoardState::Intro) {
      board.Update(16);
    }
  }

  SupRing supply;
  CollapseCylinder board;
  CollapseBlockManager rules;
  FixedPointer pointer;
};

// Four filled rings move up and a new one comes in; the board is emptied again every few rows.
void BM_BreakdownPushRow(benchmark::State& state) {
  BreakdownGame game;
  int rows = 0;
  for (auto _ : state) {
    if (++rows % 5 == 0) {
      state.PauseTiming();
      for (int position = 0; position < 10; ++position) {
        game.board.RingAt(position).Clear();
      }
      game.rules.Init(1);
      state.ResumeTiming();
    }
    game.rules.PushRow();
  }
}
BENCHMARK(BM_BreakdownPushRow);

void BM_BreakdownFrameWithSupply(benchmark::State& state) {
  BreakdownGame game;
  for (auto _ : state) {
    game.board.Update(16);
    if (game.rules.RowsPushed() > 3) {
      state.PauseTiming();
      for (int position = 0; position < 10; ++position) {
        game.board.RingAt(position).Clear();
      }
      game.rules.Init(1);
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_BreakdownFrameWithSupply);

// A cluster bomb under the pointer searches every group of a full board.
void BM_ClusterBombHover(benchmark::State& state) {
  Game game(42);
  Ring& ring = game.board.RingAt(4);
  ring.ReplaceBlock(ring.IndexOfColumn(7), GoodyTemplates::Instance().Find("GroupDemolishBonus")->Clone());
  game.PointAt(4, 7);
  for (auto _ : state) {
    game.manager.RefreshHover();
    benchmark::DoNotOptimize(game.manager.Removable());
  }
}
BENCHMARK(BM_ClusterBombHover);

}  // namespace
