// The question before the shown top-ten table is emptied: ok clears it,
// cancel and Escape go back to the table as it was.
#pragma once

#include <cstdint>

#include "screens/GameRenderWindow.h"

class Top10WarningWindow : public GameRenderWindow {
 public:
  static constexpr std::uint32_t kIdentifier = 212;
  static constexpr std::uint32_t kOk = 9001;
  static constexpr std::uint32_t kCancel = 9002;

  Top10WarningWindow() : GameRenderWindow(kIdentifier) {}

  bool CreateControls() override;
  // The question in its frame.
  void Draw() override;
  // Escape, when no control takes it, is a cancel.
  bool OnEscape() override;
  bool OnCommand(std::uint32_t command, std::uint32_t param) override;

 private:
  void ClearShownTable();
  void BackToTable();
};
