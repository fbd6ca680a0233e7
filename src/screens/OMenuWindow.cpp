#include "screens/OMenuWindow.h"

#include <GL/gl.h>

#include <array>

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "gfx/OFont.h"
#include "gfx/Ortho2D.h"
#include "screens/GameTypeWindow.h"
#include "screens/MenuButton.h"

namespace {

constexpr std::array<MenuButton, 5> kButtons{{
    {OMenuWindow::kNewGame, "newgame.asvm", 77, 312, -35},
    {OMenuWindow::kOptions, "options.asvm", 275, 180, -6},
    {OMenuWindow::kTopTen, "top10.asvm", 71, 181, 5},
    {OMenuWindow::kHelp, "help.asvm", 143, 58, 5},
    {OMenuWindow::kExit, "exit.asvm", 465, 45, 21},
}};
constexpr MenuButton kContinueButton{OMenuWindow::kContinue, "continue.asvm", 77, 448, 17};

constexpr const char* kCaption = "Tornet 3D  -  left: remove a group, right: turn a ring";
constexpr std::uint32_t kOptionsScreen = 205;
constexpr std::uint32_t kHelpScreen = 206;
constexpr std::uint32_t kTopTenScreen = 209;
constexpr std::uint32_t kRemoverScreen = 203;
constexpr std::uint32_t kBreakdownScreen = 204;

}  // namespace

bool OMenuWindow::CreateControls() {
  for (const MenuButton& button : kButtons) {
    AddControl(MakeMenuButton(button, Camera()));
  }
  return GameRenderWindow::CreateControls();
}

GameTypeWindow* OMenuWindow::GameType() const {
  if (Application() == nullptr) {
    return nullptr;
  }
  return dynamic_cast<GameTypeWindow*>(Application()->Screens().FindWindow(GameTypeWindow::kIdentifier));
}

void OMenuWindow::OnShow() {
  GameRenderWindow::OnShow();
  const GameTypeWindow* gameType = GameType();
  const bool inProgress = gameType != nullptr && gameType->GameInProgress();
  if (inProgress && continue_ == nullptr) {
    auto button = MakeMenuButton(kContinueButton, Camera());
    continue_ = button.get();
    AddControl(std::move(button));
  } else if (!inProgress && continue_ != nullptr) {
    RemoveControl(continue_);
    continue_ = nullptr;
  }
}

void OMenuWindow::Draw() {
  GameRenderWindow::Draw();
  OFont* font = Font();
  if (font == nullptr) {
    return;
  }
  SetOrtho2D(kLayoutSize, kLayoutSize);
  glEnable(GL_TEXTURE_2D);
  font->colour = OColor4(1.0f, 1.0f, 1.0f, 1.0f);
  font->DrawText(25.0f, 0.0f, kCaption, true, 0.6f);
}

bool OMenuWindow::OnEscape() {
  Quit();
  return true;
}

bool OMenuWindow::OnMenuButton() {
  if (continue_ == nullptr) {
    return false;
  }
  Resume();
  return true;
}

bool OMenuWindow::OnCommand(std::uint32_t command, std::uint32_t param) {
  switch (command) {
    case kNewGame:
      Show(GameTypeWindow::kIdentifier);
      return true;
    case kContinue:
      Resume();
      return true;
    case kOptions:
      Show(kOptionsScreen);
      return true;
    case kTopTen:
      Show(kTopTenScreen);
      return true;
    case kHelp:
      Show(kHelpScreen);
      return true;
    case kExit:
    case kQuitCommand:
      Quit();
      return true;
    default:
      return GameRenderWindow::OnCommand(command, param);
  }
}

void OMenuWindow::Show(std::uint32_t identifier) {
  if (Application() != nullptr) {
    Application()->PlaySound(GameSounds::kClick);
    Application()->Screens().SetActiveWindow(identifier);
  }
}

void OMenuWindow::Resume() {
  const GameTypeWindow* gameType = GameType();
  if (gameType == nullptr || Application() == nullptr) {
    return;
  }
  Application()->PlaySound(GameSounds::kClick);
  if (gameType->BreakdownGame() != nullptr) {
    Application()->Screens().SetActiveWindow(kBreakdownScreen);
  } else if (gameType->RemoverGame() != nullptr) {
    Application()->Screens().SetActiveWindow(kRemoverScreen);
  }
}

void OMenuWindow::Quit() {
  if (Application() != nullptr) {
    Application()->PlaySound(GameSounds::kClick);
    Application()->PostQuit();
  }
}
