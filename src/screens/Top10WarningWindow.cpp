#include "screens/Top10WarningWindow.h"

#include <memory>

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "gfx/OFont.h"
#include "gfx/Ortho2D.h"
#include "screens/LayoutFrame.h"
#include "screens/PlaceOnLayout.h"
#include "screens/ScoreWindow.h"
#include "ui/OButton.h"

namespace {

constexpr float kButtonY = 50.0f;
constexpr LayoutFrame kFrame{95.0f, 230.0f, 435.0f, 305.0f};

}  // namespace

bool Top10WarningWindow::CreateControls() {
  AddControl(
      PlaceOnLayout(std::make_unique<OButton>(kOk, false), "ok.asvm", 180.0f, kButtonY, 1.0f, Camera()));
  AddControl(PlaceOnLayout(std::make_unique<OButton>(kCancel, false), "cancel.asvm", 300.0f, kButtonY, 1.0f,
                           Camera()));
  return GameRenderWindow::CreateControls();
}

void Top10WarningWindow::Draw() {
  GameRenderWindow::Draw();
  SetOrtho2D(kLayoutSize, kLayoutSize);
  kFrame.Draw();
  OFont* font = Font();
  if (font == nullptr) {
    return;
  }
  font->colour = OColor4(171.0f / 255.0f, 176.0f / 255.0f, 183.0f / 255.0f, 1.0f);
  font->DrawText(110.0f, 270.0f, "Are you sure to clear", false, 1.0f);
  font->DrawText(175.0f, 240.0f, " all records?", false, 1.0f);
  font->colour = OColor4(1.0f, 1.0f, 1.0f, 1.0f);
}

bool Top10WarningWindow::OnEscape() {
  BackToTable();
  return true;
}

bool Top10WarningWindow::OnCommand(std::uint32_t command, std::uint32_t param) {
  switch (command) {
    case kOk:
      ClearShownTable();
      BackToTable();
      return true;
    case kCancel:
      BackToTable();
      return true;
    default:
      return GameRenderWindow::OnCommand(command, param);
  }
}

// The table is read back from its file, so the screen shows what is stored.
void Top10WarningWindow::ClearShownTable() {
  if (Application() == nullptr) {
    return;
  }
  auto* scores = dynamic_cast<ScoreWindow*>(Application()->Screens().FindWindow(ScoreWindow::kIdentifier));
  if (scores != nullptr) {
    scores->ShownTable().Clear();
    scores->ShownTable().Load();
  }
}

void Top10WarningWindow::BackToTable() {
  if (Application() != nullptr) {
    Application()->PlaySound(GameSounds::kAction);
    Application()->Screens().SetActiveWindow(ScoreWindow::kIdentifier);
  }
}
