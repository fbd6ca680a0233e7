// Asks before a skill change on the options screen ends the game in progress.
// Either answer goes back to the options screen; only there is anything applied.
#pragma once

#include <cstdint>

#include "screens/QuestionWindow.h"

class WarningWindow : public QuestionWindow {
 public:
  static constexpr std::uint32_t kIdentifier = 210;
  static constexpr std::uint32_t kOk = 8001;
  static constexpr std::uint32_t kCancel = 8002;

  WarningWindow();

  // Escape answers as ok does: the new skill stays chosen.
  bool OnEscape() override;

 protected:
  void OnOk() override { Answer(true); }
  void OnCancel() override { Answer(false); }
  // The question ends the program without a click.
  bool ClicksOnQuit() const override { return false; }

 private:
  // Back to the options screen; a cancel takes the new skill back first.
  void Answer(bool keepNewSkill);
};
