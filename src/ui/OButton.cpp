#include "ui/OButton.h"

#include "ui/KeyCodes.h"
#include "ui/OAction.h"

OButton::OButton(std::uint32_t controlId, bool canTakeFocus) : OControl3D(controlId, canTakeFocus) {}

bool OButton::HandleEvent(const OEvent& event) {
  switch (event.type) {
    case OEvent::kKeyDown:
      return event.key == keycode::kEnter && ClickByKey();
    case OEvent::kMouseMove:
      TrackPointer(event);
      return true;
    case OEvent::kButtonDown:
      if (event.button == OEvent::kLeft) {
        pressState_ = kPressedInside;
        OnPress();
      }
      return true;
    case OEvent::kButtonUp:
      return Release();
    default:
      return false;
  }
}

OControl* OButton::HandleFocusAction(OAction action) {
  if (action != OAction::kAct) {
    return nullptr;
  }
  ClickByKey();
  return this;
}

bool OButton::ClickByKey() {
  OnPress();
  const bool handled = Notify(kClicked);
  OnRelease();
  return handled;
}

bool OButton::Release() {
  const bool clicked = pressState_ == kPressedInside;
  // Cleared first: the owner may answer the click by showing another screen,
  // and this button must not come back to it still pressed.
  pressState_ = kIdle;
  if (!clicked) {
    return true;
  }
  const bool handled = Notify(kClicked);
  OnRelease();
  return handled;
}

void OButton::TrackPointer(const OEvent& event) {
  if (pressState_ != kIdle) {
    pressState_ = HitTest(event) ? kPressedInside : kPressedOutside;
  }
}

bool OButton::HitTest(const OEvent& event) { return !disabled && OControl3D::HitTest(event); }

void OButton::Highlight() {
  SetVisible(1, true);
  highlighted = true;
}

void OButton::Unhighlight() {
  SetVisible(0, true);
  highlighted = false;
}

void OButton::OnPress() {}

void OButton::OnRelease() {}

void OButton::Spin() { RotateLocalZ(kSpinStep); }
