#include "screens/WarningWindow.h"

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "screens/OConfigWindow.h"

WarningWindow::WarningWindow()
    : QuestionWindow(kIdentifier, {kOk,
                                   kCancel,
                                   {95.0f, 230.0f, 400.0f, 305.0f},
                                   {110.0f, 270.0f, "Changing this option"},
                                   {120.0f, 240.0f, "ends current game"}}) {}

bool WarningWindow::OnEscape() {
  Answer(true);
  return true;
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
