// The game screen's buttons as the rules switch them: the rotate buttons only
// while the rings rest on the board, and the menu button off at a game's end.
#pragma once

#include "game/BoardButtons.h"

class OButton;

class ScreenButtons : public BoardButtons {
 public:
  // The buttons belong to the screen, which outlives this object's use.
  void Set(OButton* menu, OButton* rotateClockwise, OButton* rotateAnticlockwise);

  void EnableRotateButtons(bool enable) override;
  void EnableMenuButton(bool enable) override;

 private:
  OButton* menu_ = nullptr;                 // not owned
  OButton* rotateClockwise_ = nullptr;      // not owned
  OButton* rotateAnticlockwise_ = nullptr;  // not owned
};
