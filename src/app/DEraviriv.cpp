#include "app/DEraviriv.h"

#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#include "app/OConfig.h"
#include "app/OResourceArchive.h"
#include "audio/GameSounds.h"
#include "audio/OMusicList.h"
#include "game/Block.h"
#include "game/BlockPrototypes.h"
#include "game/BlockRandom.h"
#include "game/GoodyTemplates.h"
#include "gfx/OCamera.h"
#include "gfx/OLight.h"
#include "screens/GameTypeWindow.h"
#include "screens/OMenuWindow.h"
#include "screens/ScoreWindow.h"
#include "screens/Top10WarningWindow.h"

namespace {

struct ScreenPlan {
  std::uint32_t identifier;
  const char* background;
};

// The screens that live for the whole run, in the order they are registered.
// The two game screens come and go with the games.
// The side screens, after the menus; those not built yet are plain pictures.
constexpr ScreenPlan kSideScreens[] = {
    {205, "nongameback.jpg"}, {206, "nongameback.jpg"}, {209, "nongameback.jpg"},
    {210, "nongameback.jpg"}, {212, "nongameback.jpg"},
};

std::unique_ptr<ORenderWindow> MakeSideScreen(std::uint32_t identifier) {
  switch (identifier) {
    case ScoreWindow::kIdentifier:
      return std::make_unique<ScoreWindow>();
    case Top10WarningWindow::kIdentifier:
      return std::make_unique<Top10WarningWindow>();
    default:
      return std::make_unique<ORenderWindow>(identifier);
  }
}

}  // namespace

bool DEraviriv::Init() {
  OApplication::Init();
  Camera()->transform[12] = 0.0f;
  Camera()->transform[13] = 0.0f;
  Camera()->transform[14] = -64.0f;
  Camera()->LookAt(0.0f, 0.0f, 0.0f);
  Light()->Apply();

  GameSounds::LoadAll(Sound());
  ApplySettings();
  LoadMusic();
  Progress(40, 45);

  BlockPrototypes::Instance().LoadModels();
  Block::LoadSkin();
  Progress(50, 60);
  GoodyTemplates::Instance().LoadModels();
  // Repeated events of one kind take turns among their sounds.
  Groups().Add(11, {GameSounds::kExplosion, GameSounds::kExplosion + 1, GameSounds::kExplosion + 2});
  Groups().Add(0, {GameSounds::kBlockClick, GameSounds::kBlockClick + 1, GameSounds::kBlockClick + 2});
  Groups().Add(7, {GameSounds::kAddRing, GameSounds::kAddRing + 1, GameSounds::kAddRing + 2});
  Groups().Add(12, {GameSounds::kFallDown, GameSounds::kFallDown + 1, GameSounds::kFallDown + 2});
  Progress(65, 70);
  // The skill and level tables are fixed in the rules; nothing to build here.
  Progress(75, 80);
  BlockRandom::Instance().Seed(static_cast<std::uint32_t>(std::time(nullptr)));

  MakeScreens();
  Progress(85, 90);
  Screens().SetActiveWindow(OMenuWindow::kIdentifier);
  Music().currentList = &OMusicList::Menu();
  if (Config().musicOn) {
    Music().Start();
  }
  Progress(95, 99);
  return true;
}

void DEraviriv::Progress(int from, int to) { DrawLoading(from + std::rand() % (to - from + 1)); }

void DEraviriv::ApplySettings() {
  OConfig& config = Config();
  config.Load();
  Sound().SetVolume(static_cast<std::uint32_t>(config.soundVolume));
  Music().SetVolume(config.musicVolume);
  Sound().effectsEnabled = config.soundOn;
}

void DEraviriv::LoadMusic() {
  struct Track {
    const char* name;
    OMusicList& list;
  };
  const Track tracks[] = {{"Data/Mod/lefoly.mod", OMusicList::Remover()},
                          {"Data/Mod/magpot.mod", OMusicList::Breakdown()},
                          {"Data/Mod/menu.it", OMusicList::Menu()}};
  for (const Track& track : tracks) {
    // A module the archive does not hold leaves its list silent.
    if (std::optional<std::vector<std::uint8_t>> bytes = OResourceArchive::Instance().Read(track.name)) {
      track.list.modules.push_back(std::move(*bytes));
    }
  }
}

void DEraviriv::MakeScreens() {
  auto menu = std::make_unique<OMenuWindow>();
  menu->SetBackground("Menu.jpg");
  Screens().AddWindow(std::move(menu));
  auto gameType = std::make_unique<GameTypeWindow>();
  gameType->SetBackground("gametypebright.jpg");
  Screens().AddWindow(std::move(gameType));
  for (const ScreenPlan& plan : kSideScreens) {
    std::unique_ptr<ORenderWindow> screen = MakeSideScreen(plan.identifier);
    screen->SetBackground(plan.background);
    Screens().AddWindow(std::move(screen));
  }
}
