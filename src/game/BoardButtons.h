// The screen's buttons that the rules switch on and off: the two rotate
// buttons once the rings have landed, and everything at the end of a game.
#pragma once

class BoardButtons {
 public:
  virtual ~BoardButtons() = default;
  virtual void EnableRotateButtons(bool enable) = 0;
  virtual void EnableMenuButton(bool enable) = 0;
};
