#include "ui/RotateButton.h"

RotateButton::RotateButton(std::uint32_t controlId) : OBlendButton(controlId, false) {}

bool RotateButton::HandleEvent(const OEvent& event) {
  if (IsLeftPress(event)) {
    pressState_ = kPressedInside;
    const bool handled = Notify(kControlPressed);
    OnPress();
    return handled;
  }
  switch (event.type) {
    case OEvent::kMouseMove:
      TrackPointer(event);
      return true;
    case OEvent::kButtonUp: {
      const bool wasPressed = pressState_ == kPressedInside;
      pressState_ = kIdle;
      if (!wasPressed) {
        return true;
      }
      const bool handled = Notify(kControlReleased);
      OnRelease();
      return handled;
    }
    default:
      return false;
  }
}

void RotateButton::Highlight() { OControl::Highlight(); }

void RotateButton::Unhighlight() {
  if (pressState_ != kIdle) {
    SetVisible(0, true);
  }
  OControl::Unhighlight();
  Notify(kControlReleased);
}

void RotateButton::OnPress() { SetVisible(1, true); }

void RotateButton::OnRelease() { SetVisible(0, true); }
