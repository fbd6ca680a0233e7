#include "screens/WarningWindow.h"

#include <memory>

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "gfx/OFont.h"
#include "gfx/Ortho2D.h"
#include "screens/LayoutFrame.h"
#include "screens/OConfigWindow.h"
#include "screens/PlaceOnLayout.h"
#include "ui/OButton.h"

namespace {

constexpr float kButtonY = 50.0f;
constexpr LayoutFrame kFrame{95.0f, 230.0f, 400.0f, 305.0f};

}  // namespace

bool WarningWindow::CreateControls() {
  AddControl(
      PlaceOnLayout(std::make_unique<OButton>(kOk, false), "ok.asvm", 180.0f, kButtonY, 1.0f, Camera()));
  AddControl(PlaceOnLayout(std::make_unique<OButton>(kCancel, false), "cancel.asvm", 300.0f, kButtonY, 1.0f,
                           Camera()));
  return GameRenderWindow::CreateControls();
}

void WarningWindow::Draw() {
  GameRenderWindow::Draw();
  SetOrtho2D(kLayoutSize, kLayoutSize);
  kFrame.Draw();
  if (OFont* font = Font()) {
    font->colour = OColor4(0.671f, 0.690f, 0.718f, 1.0f);
    font->DrawText(110.0f, 270.0f, "Changing this option", false, 1.0f);
    font->DrawText(120.0f, 240.0f, "ends current game", false, 1.0f);
  }
}

bool WarningWindow::OnEscape() {
  Answer(true);
  return true;
}

bool WarningWindow::OnCommand(std::uint32_t command, std::uint32_t param) {
  switch (command) {
    case kOk:
      Answer(true);
      return true;
    case kCancel:
      Answer(false);
      return true;
    default:
      return GameRenderWindow::OnCommand(command, param);
  }
}

void WarningWindow::Answer(bool keepNewSkill) {
  if (Application() == nullptr) {
    return;
  }
  Application()->PlaySound(GameSounds::kAction);
  OScreenList& screens = Application()->Screens();
  auto* options = dynamic_cast<OConfigWindow*>(screens.FindWindow(OConfigWindow::kIdentifier));
  if (options != nullptr && !keepNewSkill) {
    options->KeepCommittedSkill();
  }
  screens.SetActiveWindow(OConfigWindow::kIdentifier);
}
