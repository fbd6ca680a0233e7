#include "screens/GameTypeWindow.h"

#include <GL/gl.h>

#include <memory>

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "gfx/OFont.h"
#include "gfx/Ortho2D.h"
#include "screens/CollapseWindow.h"
#include "screens/MenuButton.h"
#include "screens/OMenuWindow.h"
#include "screens/RemoverWindow.h"

namespace {

constexpr MenuButton kRemoverButton{GameTypeWindow::kRemover, "remover.asvm", 375, 404, -27, 0.55f};
constexpr MenuButton kBreakdownButton{GameTypeWindow::kBreakdown, "breakdown.asvm", 300, 216, -14, 0.5f};
constexpr MenuButton kMenuButton{GameTypeWindow::kBackToMenu, "menu.asvm", 60, 40, 0, 1.0f};

constexpr const char* kHint = "Use Left and Right mouse buttons for control";
constexpr const char* kGameBackground = "brightgameback.jpg";

}  // namespace

bool GameTypeWindow::CreateControls() {
  auto remover = MakeMenuButton(kRemoverButton, Camera());
  removerButton_ = remover.get();
  AddControl(std::move(remover));
  auto breakdown = MakeMenuButton(kBreakdownButton, Camera());
  breakdownButton_ = breakdown.get();
  AddControl(std::move(breakdown));
  AddControl(MakeMenuButton(kMenuButton, Camera()));
  return GameRenderWindow::CreateControls();
}

void GameTypeWindow::Draw() {
  GameRenderWindow::Draw();
  OFont* font = Font();
  if (font == nullptr) {
    return;
  }
  SetOrtho2D(kLayoutSize, kLayoutSize);
  glEnable(GL_TEXTURE_2D);
  // The hint flickers between yellow and red from frame to frame.
  const bool yellow = std::uniform_int_distribution<int>(0, 999)(flicker_) < 501;
  font->colour = OColor4(1.0f, yellow ? 1.0f : 0.0f, 0.0f, 1.0f);
  font->DrawText(10.0f, 492.0f, kHint, true, 0.7f);
  font->colour = OColor4(241.0f / 255.0f, 241.0f / 255.0f, 50.0f / 255.0f, 1.0f);
  if (removerButton_ != nullptr && removerButton_->highlighted) {
    font->DrawText(10.0f, 90.0f, "Strategy mode", false, 1.4f);
  } else if (breakdownButton_ != nullptr && breakdownButton_->highlighted) {
    font->DrawText(10.0f, 90.0f, "Arcade mode", false, 1.4f);
  }
}

bool GameTypeWindow::OnEscape() {
  ShowMenu();
  return true;
}

bool GameTypeWindow::OnCommand(std::uint32_t command, std::uint32_t param) {
  switch (command) {
    case kRemover:
    case kBreakdown:
      StartGame(command);
      return true;
    case kBackToMenu:
      ShowMenu();
      return true;
    default:
      return GameRenderWindow::OnCommand(command, param);
  }
}

void GameTypeWindow::ShowMenu() {
  if (Application() != nullptr) {
    Application()->PlaySound(GameSounds::kAction);
    Application()->Screens().SetActiveWindow(OMenuWindow::kIdentifier);
  }
}

void GameTypeWindow::DiscardGame() {
  if (Application() == nullptr) {
    return;
  }
  OScreenList& screens = Application()->Screens();
  if (breakdown_ != nullptr) {
    screens.RemoveWindow(breakdown_);
    breakdown_ = nullptr;
  } else if (remover_ != nullptr) {
    screens.RemoveWindow(remover_);
    remover_ = nullptr;
  }
}

void GameTypeWindow::StartRemoverDeal(std::uint32_t deal) { StartGame(kRemover, deal); }

void GameTypeWindow::StartGame(std::uint32_t mode, std::optional<std::uint32_t> deal) {
  if (Application() == nullptr) {
    return;
  }
  Application()->PlaySound(GameSounds::kAction);
  // At most one game exists: the old one goes before the new one is made.
  DiscardGame();
  OScreenList& screens = Application()->Screens();
  std::uint32_t identifier = 0;
  if (mode == kRemover) {
    auto game = std::make_unique<RemoverWindow>(deal);
    game->SetBackground(kGameBackground);
    remover_ = game.get();
    identifier = game->Identifier();
    screens.AddWindow(std::move(game));
  } else {
    auto game = std::make_unique<CollapseWindow>();
    game->SetBackground(kGameBackground);
    breakdown_ = game.get();
    identifier = game->Identifier();
    screens.AddWindow(std::move(game));
  }
  screens.SetActiveWindow(identifier);
}
