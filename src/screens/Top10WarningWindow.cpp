#include "screens/Top10WarningWindow.h"

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "screens/ScoreWindow.h"

Top10WarningWindow::Top10WarningWindow()
    : QuestionWindow(kIdentifier, {kOk,
                                   kCancel,
                                   {95.0f, 230.0f, 435.0f, 305.0f},
                                   {110.0f, 270.0f, "Are you sure to clear"},
                                   {175.0f, 240.0f, " all records?"}}) {}

bool Top10WarningWindow::OnEscape() {
  BackToTable();
  return true;
}

// The table is read back from its file, so the screen shows what is stored.
void Top10WarningWindow::OnOk() {
  if (Application() != nullptr) {
    auto* scores = dynamic_cast<ScoreWindow*>(Application()->Screens().FindWindow(ScoreWindow::kIdentifier));
    if (scores != nullptr) {
      scores->ShownTable().Clear();
      scores->ShownTable().Load();
    }
  }
  BackToTable();
}

void Top10WarningWindow::BackToTable() {
  if (Application() != nullptr) {
    Application()->PlaySound(GameSounds::kAction);
    Application()->Screens().SetActiveWindow(ScoreWindow::kIdentifier);
  }
}
