// What the player waits for: the start-up from nothing to the first frame of
// the main menu, and one frame of every screen and of both game modes, at the
// game's two window sizes and, for the games, in low and high block detail,
// against the floor of only clearing and swapping, in the same run; and what
// full screen adds to a frame, the picture scaled up to the whole display.
// Needs a display; run it as
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_app
// It plays in a scratch game folder that links the built game's data.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "ScratchGameFolder.h"
#include "app/DEraviriv.h"
#include "app/ShownFrame.h"
#include "core/OConfig.h"
#include "core/OLog.h"
#include "game/Cylinder.h"
#include "gfx/OModelManager.h"
#include "screens/GameTypeWindow.h"
#include "screens/OConfigWindow.h"
#include "screens/OHelpWindow.h"
#include "screens/OMenuWindow.h"
#include "screens/RemoverWindow.h"
#include "screens/ScoreWindow.h"

namespace {

// The settings file's first line picks the window size: 0 is 640 x 480, 1 is
// 800 x 600, 2 is 1024 x 768. Windowed unless asked, 32 bits, low detail,
// everything else as a first start has it.
constexpr std::int64_t k640x480 = 0;
constexpr std::int64_t k800x600 = 1;
constexpr std::int64_t k1024x768 = 2;
constexpr std::int64_t kWindowed = 0;
constexpr std::int64_t kFullScreen = 1;
// The Remover board every run draws, the one bench_shots pictures.
constexpr std::uint32_t kDeal = 48213;

// Trilinear filtering (10), as on a first start, unless
// TORNET_BENCH_TEXTURE_QUALITY names another (0 to 10).
std::string TextureQuality() {
  const char* quality = std::getenv("TORNET_BENCH_TEXTURE_QUALITY");
  return quality != nullptr ? quality : "10";
}

void EnterScratchGameFolder(std::int64_t mode, std::int64_t fullScreen) {
  static const std::filesystem::path folder = EnterNewScratchGameFolder("tornet-bench-game");
  std::ofstream(folder / "Data/Config.Cfg") << mode << "\n32\n"
                                            << fullScreen << "\n"
                                            << TextureQuality() << "\n1\n1\n0\n16384\n50\n0\n1\n1\nscr.tga\n";
}

std::unique_ptr<DEraviriv> StartGame(std::int64_t mode, std::int64_t fullScreen = kWindowed) {
  EnterScratchGameFolder(mode, fullScreen);
  auto game = std::make_unique<DEraviriv>(OConfig::Instance(), OLog::Instance());
  game->Create("3D", "Tornet 3D", 800, 600, 1);
  game->Init();
  return game;
}

void StopGame(std::unique_ptr<DEraviriv>& game) {
  game->Shutdown();
  game.reset();
}

std::string SizeOf(const DEraviriv& game) {
  return std::to_string(game.ClientWidth()) + "x" + std::to_string(game.ClientHeight());
}

// CPU time of the whole process, llvmpipe's rasterizer threads included.
double ProcessCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Runs the measured frames, then waits for the renderer so that the last
// frames' drawing is inside the measurement, and notes the window's size and
// the CPU time of a frame in all threads (all_cpu_ms), which other programs
// on the machine disturb less than the time on the clock.
void MeasureFrames(benchmark::State& state, DEraviriv& game) {
  glFinish();
  const double start = ProcessCpuMs();
  for (auto _ : state) {
    game.Frame(16);
  }
  glFinish();
  state.counters["all_cpu_ms"] = (ProcessCpuMs() - start) / static_cast<double>(state.iterations());
  state.SetLabel(SizeOf(game));
}

void AtBothSizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgName("mode")->Arg(k800x600)->Arg(k1024x768);
}

// Window, context, every shared asset, the screens, and the first menu frame.
void BM_StartUpToFirstMenuFrame(benchmark::State& state) {
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    std::unique_ptr<DEraviriv> game = StartGame(k1024x768);
    game->Frame(0);
    glFinish();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(took.count());
    StopGame(game);
  }
}
BENCHMARK(BM_StartUpToFirstMenuFrame)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// One frame of a side screen: the menu, the game type, the options, the help
// (its first page) and the top ten.
template <std::uint32_t kScreen>
void BM_ScreenFrame(benchmark::State& state) {
  std::unique_ptr<DEraviriv> game = StartGame(state.range(0));
  game->Screens().SetActiveWindow(kScreen);
  for (int frame = 0; frame < 50; ++frame) {
    game->Frame(16);
  }
  MeasureFrames(state, *game);
  StopGame(game);
}
#define TORNET_SCREEN_BENCHMARK(screen)                   \
  BENCHMARK_TEMPLATE(BM_ScreenFrame, screen::kIdentifier) \
      ->Name("BM_ScreenFrame/" #screen)                   \
      ->Apply(AtBothSizes)                                \
      ->Repetitions(3)                                    \
      ->ReportAggregatesOnly(true)                        \
      ->Unit(benchmark::kMillisecond)
TORNET_SCREEN_BENCHMARK(OMenuWindow);
TORNET_SCREEN_BENCHMARK(GameTypeWindow);
TORNET_SCREEN_BENCHMARK(OConfigWindow);
TORNET_SCREEN_BENCHMARK(OHelpWindow);
TORNET_SCREEN_BENCHMARK(ScoreWindow);

// The menu frame, read back and compared with the one before it, as the main
// loop does once the player has done nothing for a moment; set beside
// BM_ScreenFrame/OMenuWindow, the difference is the comparison's cost.
void BM_MenuFrameCompared(benchmark::State& state) {
  std::unique_ptr<DEraviriv> game = StartGame(state.range(0));
  ShownFrame shown;
  for (auto _ : state) {
    game->DrawFrame(16);
    benchmark::DoNotOptimize(shown.SameAsDrawn(game->ClientWidth(), game->ClientHeight()));
    game->Flip();
  }
  glFinish();
  state.SetLabel(SizeOf(*game));
  StopGame(game);
}
BENCHMARK(BM_MenuFrameCompared)
    ->Apply(AtBothSizes)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The main menu in a window and full screen at the same resolution, side by
// side: full screen draws the same picture into an offscreen buffer, then
// scales it to the largest 4:3 area of the display and swaps the whole
// display, which is all it adds.
void BM_MenuFrameWindowedAndFullScreen(benchmark::State& state) {
  std::unique_ptr<DEraviriv> game = StartGame(state.range(0), state.range(1));
  for (int frame = 0; frame < 50; ++frame) {
    game->Frame(16);
  }
  MeasureFrames(state, *game);
  StopGame(game);
}
BENCHMARK(BM_MenuFrameWindowedAndFullScreen)
    ->ArgNames({"mode", "fullScreen"})
    ->ArgsProduct({{k640x480, k1024x768}, {kWindowed, kFullScreen}})
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// A game of the mode after its intro, with the blocks in low (1) or high (2) detail.
std::unique_ptr<DEraviriv> StartBoard(std::uint32_t mode, std::int64_t size, std::int64_t detail) {
  std::unique_ptr<DEraviriv> game = StartGame(size);
  OModelManager::Instance().SetDetail(static_cast<std::int32_t>(detail));
  OModelManager::Instance().ReloadDetailModels();
  auto* gameType = dynamic_cast<GameTypeWindow*>(game->Screens().FindWindow(GameTypeWindow::kIdentifier));
  if (mode == GameTypeWindow::kRemover) {
    gameType->StartRemoverDeal(kDeal);
  } else {
    gameType->OnCommand(mode, 1);
  }
  for (int frame = 0; frame < 200; ++frame) {
    game->Frame(16);
  }
  return game;
}

// A Remover board at rest; a Breakdown board with its supply ring filling.
template <std::uint32_t kMode>
void BM_GameFrame(benchmark::State& state) {
  std::unique_ptr<DEraviriv> game = StartBoard(kMode, state.range(0), state.range(1));
  MeasureFrames(state, *game);
  StopGame(game);
}
void AtBothSizesAndDetails(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"mode", "detail"})
      ->ArgsProduct({{k800x600, k1024x768}, {OModelManager::kLowDetail, OModelManager::kHighDetail}});
}
#define TORNET_GAME_BENCHMARK(mode)                         \
  BENCHMARK_TEMPLATE(BM_GameFrame, GameTypeWindow::k##mode) \
      ->Name("BM_GameFrame/" #mode)                         \
      ->Apply(AtBothSizesAndDetails)                        \
      ->Repetitions(3)                                      \
      ->ReportAggregatesOnly(true)                          \
      ->Unit(benchmark::kMillisecond)
TORNET_GAME_BENCHMARK(Remover);
TORNET_GAME_BENCHMARK(Breakdown);

// A Remover board whose rings all turn, as while the player holds a trigger:
// every frame draws the board afresh, over a copy of the still screen around
// it, where a board at rest is all shown from the copy.
void BM_RemoverTurning(benchmark::State& state) {
  std::unique_ptr<DEraviriv> game = StartBoard(GameTypeWindow::kRemover, k1024x768, state.range(0));
  dynamic_cast<RemoverWindow&>(*game->Screens().ActiveWindow()).Board()->RotateAll(1);
  MeasureFrames(state, *game);
  StopGame(game);
}
BENCHMARK(BM_RemoverTurning)
    ->ArgName("detail")
    ->Arg(OModelManager::kLowDetail)
    ->Arg(OModelManager::kHighDetail)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Only what every frame must do: clear the window and swap; in full screen
// also scale the picture to the display, which is then what full screen adds.
void BM_ClearAndSwapFloor(benchmark::State& state) {
  std::unique_ptr<DEraviriv> game = StartGame(state.range(0), state.range(1));
  for (auto _ : state) {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    game->Flip();
  }
  glFinish();
  state.SetLabel(SizeOf(*game));
  StopGame(game);
}
BENCHMARK(BM_ClearAndSwapFloor)
    ->ArgNames({"mode", "fullScreen"})
    ->ArgsProduct({{k640x480, k800x600, k1024x768}, {kWindowed, kFullScreen}})
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The floor every screen is held against: clearing, the menu's picture over
// the whole window, and the swap.
void BM_BackgroundFloor(benchmark::State& state) {
  std::unique_ptr<DEraviriv> game = StartGame(state.range(0));
  const ORenderWindow* menu = game->Screens().FindWindow(OMenuWindow::kIdentifier);
  glEnable(GL_TEXTURE_2D);
  for (auto _ : state) {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    menu->DrawBackground();
    game->Flip();
  }
  glFinish();
  state.SetLabel(SizeOf(*game));
  StopGame(game);
}
BENCHMARK(BM_BackgroundFloor)
    ->Apply(AtBothSizes)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
