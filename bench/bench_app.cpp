// What the player waits for: the start-up from nothing to the first frame of
// the main menu, and frames at 1024 x 768 (the menu, and a Remover game in low
// and high detail) against the floor of only clearing and swapping, in the same run. Needs a display; run it
// as
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_app
// It plays in a scratch game folder that links the built game's data.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/DEraviriv.h"
#include "app/OConfig.h"
#include "app/OLog.h"
#include "gfx/OModelManager.h"
#include "screens/GameTypeWindow.h"

namespace {

// Windowed 1024 x 768 at 32 bits; everything else as a first start has it.
constexpr const char* kSettings = "2\n32\n0\n10\n1\n1\n0\n16384\n50\n0\n1\n1\nscr.tga\n";

void EnterScratchGameFolder() {
  static const bool done = [] {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "tornet-bench-game";
    fs::remove_all(folder);
    fs::create_directories(folder / "Data");
    fs::create_symlink(fs::path(TORNET_GAME_DIR) / "Data/Resource.Ztr", folder / "Data/Resource.Ztr");
    fs::create_directory_symlink(fs::path(TORNET_GAME_DIR) / "Data/Sounds", folder / "Data/Sounds");
    std::ofstream(folder / "Data/Config.Cfg") << kSettings;
    fs::current_path(folder);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
  }();
  (void)done;
}

std::unique_ptr<DEraviriv> StartGame() {
  auto game = std::make_unique<DEraviriv>(OConfig::Instance(), OLog::Instance());
  game->Create("3D", "Tornet 3D", 800, 600, 1);
  game->Init();
  return game;
}

void StopGame(std::unique_ptr<DEraviriv>& game) {
  game->Shutdown();
  game.reset();
}

// Window, context, every shared asset, the screens, and the first menu frame.
void BM_StartUpToFirstMenuFrame(benchmark::State& state) {
  EnterScratchGameFolder();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    std::unique_ptr<DEraviriv> game = StartGame();
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

void BM_MenuFrame1024x768(benchmark::State& state) {
  EnterScratchGameFolder();
  std::unique_ptr<DEraviriv> game = StartGame();
  for (auto _ : state) {
    game->Frame(16);
  }
  glFinish();
  state.counters["width"] = game->ClientWidth();
  StopGame(game);
}
BENCHMARK(BM_MenuFrame1024x768)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

// A Remover game at rest after its intro, with the blocks in low (1) or high (2) detail.
void BM_RemoverFrame1024x768(benchmark::State& state) {
  EnterScratchGameFolder();
  std::unique_ptr<DEraviriv> game = StartGame();
  OModelManager::Instance().SetDetail(static_cast<std::int32_t>(state.range(0)));
  OModelManager::Instance().ReloadDetailModels();
  auto* gameType = dynamic_cast<GameTypeWindow*>(game->Screens().FindWindow(GameTypeWindow::kIdentifier));
  gameType->OnCommand(GameTypeWindow::kRemover, 1);
  for (int frame = 0; frame < 200; ++frame) {
    game->Frame(16);
  }
  for (auto _ : state) {
    game->Frame(16);
  }
  glFinish();
  StopGame(game);
}
BENCHMARK(BM_RemoverFrame1024x768)
    ->Arg(OModelManager::kLowDetail)
    ->Arg(OModelManager::kHighDetail)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Only what every frame must do: clear the window and swap.
void BM_ClearAndSwapFloor1024x768(benchmark::State& state) {
  EnterScratchGameFolder();
  std::unique_ptr<DEraviriv> game = StartGame();
  for (auto _ : state) {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    game->Flip();
  }
  glFinish();
  StopGame(game);
}
BENCHMARK(BM_ClearAndSwapFloor1024x768)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
