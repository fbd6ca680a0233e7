#include "ui/PressBlendButton.h"

PressBlendButton::PressBlendButton(std::uint32_t controlId) : OBlendButton(controlId, false) {}

bool PressBlendButton::HandleEvent(const OEvent& event) {
  if (IsLeftPress(event)) {
    pressState_ = kPressedInside;
    OnPress();
    return true;
  }
  if (event.type != OEvent::kButtonUp) {
    return false;
  }
  if (pressState_ != kPressedInside) {
    return true;
  }
  pressState_ = kIdle;
  const bool handled = Notify(kClicked);
  OnRelease();
  return handled;
}

void PressBlendButton::Highlight() { OControl::Highlight(); }

void PressBlendButton::Unhighlight() {
  if (pressState_ == kPressedInside) {
    pressState_ = kIdle;
    OnRelease();
    Notify(kClicked);
  }
  OControl::Unhighlight();
}

void PressBlendButton::OnPress() { SetVisible(1, true); }

void PressBlendButton::OnRelease() { SetVisible(0, true); }
