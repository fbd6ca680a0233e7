#include "screens/Top10WarningWindow.h"

#include <GL/gl.h>

#include <memory>

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "gfx/OCamera.h"
#include "gfx/OFont.h"
#include "gfx/Ortho2D.h"
#include "screens/ScoreWindow.h"
#include "ui/OButton.h"

namespace {

constexpr std::uint16_t kEscapeKey = 27;
constexpr float kButtonY = 50.0f;

}  // namespace

bool Top10WarningWindow::CreateControls() {
  AddButton(kOk, "ok.asvm", 180.0f);
  AddButton(kCancel, "cancel.asvm", 300.0f);
  return GameRenderWindow::CreateControls();
}

void Top10WarningWindow::AddButton(std::uint32_t command, const char* model, float x) {
  auto button = std::make_unique<OButton>(command, false);
  button->Load(model);
  if (Camera() != nullptr) {
    button->PlaceAtDesignPoint(x, kButtonY, 0.0f, *Camera(), kLayoutSize, kLayoutSize);
  }
  AddControl(std::move(button));
}

void Top10WarningWindow::Draw() {
  GameRenderWindow::Draw();
  SetOrtho2D(kLayoutSize, kLayoutSize);
  glDisable(GL_TEXTURE_2D);
  glColor3f(166.0f / 255.0f, 144.0f / 255.0f, 196.0f / 255.0f);
  glLineWidth(1.0f);
  glBegin(GL_LINE_LOOP);
  glVertex2f(95.0f, 230.0f);
  glVertex2f(435.0f, 230.0f);
  glVertex2f(435.0f, 305.0f);
  glVertex2f(95.0f, 305.0f);
  glEnd();
  glColor3f(1.0f, 1.0f, 1.0f);
  glEnable(GL_TEXTURE_2D);
  OFont* font = Font();
  if (font == nullptr) {
    return;
  }
  font->colour = OColor4(171.0f / 255.0f, 176.0f / 255.0f, 183.0f / 255.0f, 1.0f);
  font->DrawText(110.0f, 270.0f, "Are you sure to clear", false, 1.0f);
  font->DrawText(175.0f, 240.0f, " all records?", false, 1.0f);
  font->colour = OColor4(1.0f, 1.0f, 1.0f, 1.0f);
}

bool Top10WarningWindow::HandleEvent(const OEvent& event) {
  if (GameRenderWindow::HandleEvent(event)) {
    return true;
  }
  if (event.type == OEvent::kKeyDown && event.key == kEscapeKey) {
    BackToTable();
    return true;
  }
  return false;
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
    case kQuitCommand:
      if (Application() != nullptr) {
        Application()->PlaySound(GameSounds::kClick);
      }
      return GameRenderWindow::OnCommand(command, param);
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
