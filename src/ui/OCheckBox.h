// A box with a check mark that the player toggles by clicking it; the screen
// hears 1 when it becomes checked and 2 when it becomes unchecked.
#pragma once

#include <cstdint>

#include "ui/OControl3D.h"

class OCheckBox : public OControl3D {
 public:
  // Model objects: the box, and the mark that stands in it.
  static constexpr std::size_t kBoxObject = 0;
  static constexpr std::size_t kMarkObject = 1;

  explicit OCheckBox(std::uint32_t controlId);

  // Measures the box at the size drawn and shows the faces for the current
  // state once the model is loaded.
  bool Init() override;
  bool HandleEvent(const OEvent& event) override;
  bool TakesKeyFocus() const override { return true; }
  // Space or Enter clicks it.
  OControl* HandleFocusAction(OAction action) override;

  // Shows or hides the mark without telling the screen.
  void SetChecked(bool checked);
  bool Checked() const { return checked_; }

 protected:
  // What a click (a release over the control that was pressed over it) does.
  virtual bool OnClick();

 private:
  enum class Press { kIdle, kInside, kOutside };

  bool Release();

  Press press_ = Press::kIdle;
  bool checked_ = false;
};
