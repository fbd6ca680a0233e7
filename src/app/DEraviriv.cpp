#include "app/DEraviriv.h"

#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#include "audio/GameSounds.h"
#include "audio/OMusicList.h"
#include "core/OConfig.h"
#include "core/OResourceArchive.h"
#include "game/BlockPrototypes.h"
#include "game/BlockRandom.h"
#include "game/GoodyTemplates.h"
#include "gfx/OCamera.h"
#include "gfx/OLight.h"
#include "screens/GameTypeWindow.h"
#include "screens/OConfigWindow.h"
#include "screens/OHelpWindow.h"
#include "screens/OMenuWindow.h"
#include "screens/ScoreWindow.h"
#include "screens/Top10WarningWindow.h"
#include "screens/WarningWindow.h"

namespace {

// Every screen but the two game screens lives for the whole run.
void AddScreen(OScreenList& screens, std::unique_ptr<ORenderWindow> screen, const char* background) {
  screen->SetBackground(background);
  screens.AddWindow(std::move(screen));
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
  // The blocks get their skin from the options screen, which wears the first
  // skin when the setting names none of them; loading the named one here would
  // end the game over a hand-edited settings file.
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

void DEraviriv::PlayDeal(std::uint32_t deal) {
  if (auto* gameType = dynamic_cast<GameTypeWindow*>(Screens().FindWindow(GameTypeWindow::kIdentifier))) {
    gameType->StartRemoverDeal(deal);
  }
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

// In this order; the two game screens come and go with the games.
void DEraviriv::MakeScreens() {
  AddScreen(Screens(), std::make_unique<OMenuWindow>(), "Menu.jpg");
  AddScreen(Screens(), std::make_unique<GameTypeWindow>(), "gametypebright.jpg");
  AddScreen(Screens(), std::make_unique<OConfigWindow>(), "nongameback.jpg");
  AddScreen(Screens(), std::make_unique<OHelpWindow>(), "nongameback.jpg");
  AddScreen(Screens(), std::make_unique<ScoreWindow>(), "nongameback.jpg");
  AddScreen(Screens(), std::make_unique<WarningWindow>(), "nongameback.jpg");
  AddScreen(Screens(), std::make_unique<Top10WarningWindow>(), "nongameback.jpg");
}
