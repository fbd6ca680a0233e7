#include "screens/WarningWindow.h"

#include <GL/gl.h>

#include <memory>

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "gfx/OCamera.h"
#include "gfx/OFont.h"
#include "gfx/Ortho2D.h"
#include "screens/OConfigWindow.h"
#include "ui/OButton.h"

namespace {

constexpr std::uint16_t kEscapeKey = 27;

std::unique_ptr<OButton> Button(std::uint32_t command, const char* model, float x, const OCamera* camera) {
  auto button = std::make_unique<OButton>(command, false);
  button->Load(model);
  if (camera != nullptr) {
    button->PlaceAtDesignPoint(x, 50.0f, 0.0f, *camera, ORenderWindow::kLayoutSize,
                               ORenderWindow::kLayoutSize);
  }
  return button;
}

}  // namespace

bool WarningWindow::CreateControls() {
  AddControl(Button(kOk, "ok.asvm", 180.0f, Camera()));
  AddControl(Button(kCancel, "cancel.asvm", 300.0f, Camera()));
  return GameRenderWindow::CreateControls();
}

void WarningWindow::Draw() {
  GameRenderWindow::Draw();
  SetOrtho2D(kLayoutSize, kLayoutSize);
  glDisable(GL_TEXTURE_2D);
  glColor3f(0.651f, 0.565f, 0.769f);
  glLineWidth(1.0f);
  glBegin(GL_LINE_LOOP);
  glVertex2f(95.0f, 230.0f);
  glVertex2f(400.0f, 230.0f);
  glVertex2f(400.0f, 305.0f);
  glVertex2f(95.0f, 305.0f);
  glEnd();
  glColor3f(1.0f, 1.0f, 1.0f);
  glEnable(GL_TEXTURE_2D);
  if (OFont* font = Font()) {
    font->colour = OColor4(0.671f, 0.690f, 0.718f, 1.0f);
    font->DrawText(110.0f, 270.0f, "Changing this option", false, 1.0f);
    font->DrawText(120.0f, 240.0f, "ends current game", false, 1.0f);
  }
}

bool WarningWindow::HandleEvent(const OEvent& event) {
  if (GameRenderWindow::HandleEvent(event)) {
    return true;
  }
  if (event.type == OEvent::kKeyDown && event.key == kEscapeKey) {
    Answer(true);
    return true;
  }
  return false;
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
