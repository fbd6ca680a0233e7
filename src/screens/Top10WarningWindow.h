// The question before the shown top-ten table is emptied: ok clears it,
// cancel and Escape go back to the table as it was.
#pragma once

#include <cstdint>

#include "screens/QuestionWindow.h"

class Top10WarningWindow : public QuestionWindow {
 public:
  static constexpr std::uint32_t kIdentifier = 212;
  static constexpr std::uint32_t kOk = 9001;
  static constexpr std::uint32_t kCancel = 9002;

  Top10WarningWindow();

  // Escape, when no control takes it, is a cancel.
  bool OnEscape() override;

 protected:
  void OnOk() override;
  void OnCancel() override { BackToTable(); }

 private:
  void BackToTable();
};
