// Pictures of every screen and of both game modes in both block details, at
// 1024 x 768, after a fixed number of fixed-length frames on a fixed deal, so
// that two builds can be compared pixel by pixel (a change meant to make frames
// cheaper should leave them alike). Needs a display; run it as
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_shots OUT_DIR
// and compare two folders with ImageMagick's `compare -metric AE`.
#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "ScratchGameFolder.h"
#include "app/DEraviriv.h"
#include "core/OConfig.h"
#include "core/OLog.h"
#include "game/BlockRandom.h"
#include "game/Cylinder.h"
#include "gfx/OModelManager.h"
#include "screens/GameTypeWindow.h"
#include "screens/OConfigWindow.h"
#include "screens/OHelpWindow.h"
#include "screens/OMenuWindow.h"
#include "screens/RemoverWindow.h"
#include "screens/ScoreWindow.h"

namespace {

namespace fs = std::filesystem;

void EnterScratchGameFolder() {
  const fs::path scratch = EnterNewScratchGameFolder("tornet-shots-game");
  // 1024 x 768, 32 bits, windowed, trilinear textures, as a first start otherwise.
  std::ofstream(scratch / "Data/Config.Cfg") << "2\n32\n0\n10\n1\n1\n0\n16384\n50\n0\n1\n1\nscr.tga\n";
}

// The window's last frame as a binary PPM, top row first.
void SavePicture(const DEraviriv& game, const fs::path& file) {
  const int width = game.ClientWidth();
  const int height = game.ClientHeight();
  std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  std::ofstream out(file, std::ios::binary);
  out << "P6\n" << width << ' ' << height << "\n255\n";
  for (int row = height - 1; row >= 0; --row) {
    out.write(reinterpret_cast<const char*>(&pixels[static_cast<std::size_t>(row) * width * 3]), width * 3);
  }
}

void RunFrames(DEraviriv& game, int frames) {
  for (int frame = 0; frame < frames; ++frame) {
    game.Frame(16);
  }
  glFinish();
}

}  // namespace

// The same boards in every run, so that pictures from two builds compare.
constexpr std::uint32_t kDeal = 48213;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
    return 2;
  }
  const fs::path out = fs::absolute(argv[1]);
  fs::create_directories(out);
  EnterScratchGameFolder();
  auto game = std::make_unique<DEraviriv>(OConfig::Instance(), OLog::Instance());
  game->Create("3D", "Tornet 3D", 800, 600, 1);
  game->Init();
  OScreenList& screens = game->Screens();
  const auto shoot = [&](std::uint32_t screen, const std::string& name) {
    screens.SetActiveWindow(screen);
    RunFrames(*game, 50);
    SavePicture(*game, out / (name + ".ppm"));
  };
  shoot(OMenuWindow::kIdentifier, "menu");
  shoot(GameTypeWindow::kIdentifier, "game_type");
  shoot(OConfigWindow::kIdentifier, "options");
  shoot(ScoreWindow::kIdentifier, "top_ten");
  auto* help = dynamic_cast<OHelpWindow*>(screens.FindWindow(OHelpWindow::kIdentifier));
  shoot(OHelpWindow::kIdentifier, "help_1");
  for (int page = 2; page <= 5; ++page) {
    help->OnCommand(OHelpWindow::kNextPage, 0);
    RunFrames(*game, 50);
    SavePicture(*game, out / ("help_" + std::to_string(page) + ".ppm"));
  }
  auto* gameType = dynamic_cast<GameTypeWindow*>(screens.FindWindow(GameTypeWindow::kIdentifier));
  for (const auto& [mode, modeName] :
       {std::pair{GameTypeWindow::kRemover, "remover"}, std::pair{GameTypeWindow::kBreakdown, "breakdown"}}) {
    for (const std::int32_t detail : {OModelManager::kLowDetail, OModelManager::kHighDetail}) {
      OModelManager::Instance().SetDetail(detail);
      OModelManager::Instance().ReloadDetailModels();
      BlockRandom::Instance().Seed(kDeal);
      std::srand(kDeal);
      screens.SetActiveWindow(GameTypeWindow::kIdentifier);
      if (mode == GameTypeWindow::kRemover) {
        gameType->StartRemoverDeal(kDeal);
      } else {
        gameType->OnCommand(mode, 1);
      }
      RunFrames(*game, 200);
      const std::string name = std::string(modeName) + "_detail" + std::to_string(detail);
      SavePicture(*game, out / (name + ".ppm"));
      if (mode == GameTypeWindow::kRemover) {
        // Every ring part way through a turn, the screen around it still.
        dynamic_cast<RemoverWindow&>(*screens.ActiveWindow()).Board()->RotateAll(1);
        RunFrames(*game, 5);
        SavePicture(*game, out / (name + "_turning.ppm"));
      }
    }
  }
  game->Shutdown();
  return 0;
}
