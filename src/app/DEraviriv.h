// The game itself on top of the application: its start-up loads the sounds,
// the music, the block and goody models, and makes the screens.
#pragma once

#include "app/OApplication.h"

class DEraviriv : public OApplication {
 public:
  DEraviriv(OConfig& config, OLog& log) : OApplication(config, log) {}

  bool Init() override;
  // Opens a Remover game on the deal of that number, in place of the menu.
  void PlayDeal(std::uint32_t deal);

  // Leaves full screen before the game ends without its destructors, so that
  // the message saying why is not hidden behind a full-screen window.
  void RestoreDesktop() { LeaveFullScreen(); }

 private:
  // Draws the loading line somewhere between `from` and `to` percent.
  void Progress(int from, int to);
  void ApplySettings();
  void LoadMusic();
  void MakeScreens();
};
