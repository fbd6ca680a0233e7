// The game itself on top of the application: its start-up loads the sounds,
// the music, the block and goody models, and makes the screens.
#pragma once

#include "app/OApplication.h"

class DEraviriv : public OApplication {
 public:
  DEraviriv(OConfig& config, OLog& log) : OApplication(config, log) {}

  bool Init() override;

  // Puts the desktop's display mode back before the game ends without its
  // destructors; a full-screen game would otherwise leave the desktop in its mode.
  void RestoreDesktop() { RestoreDesktopMode(); }

 private:
  // Draws the loading line somewhere between `from` and `to` percent.
  void Progress(int from, int to);
  void ApplySettings();
  void LoadMusic();
  void MakeScreens();
};
