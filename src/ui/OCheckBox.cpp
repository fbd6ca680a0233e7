#include "ui/OCheckBox.h"

#include "ui/OAction.h"

OCheckBox::OCheckBox(std::uint32_t controlId) : OControl3D(controlId, false) {}

bool OCheckBox::Init() {
  OControl3D::Init();
  SetChecked(checked_);
  return true;
}

void OCheckBox::SetChecked(bool checked) {
  checked_ = checked;
  if (checked) {
    SetVisible(kMarkObject, false);
  } else {
    SetVisible(kBoxObject, true);
  }
}

bool OCheckBox::HandleEvent(const OEvent& event) {
  switch (event.type) {
    case OEvent::kMouseMove:
      if (press_ != Press::kIdle) {
        press_ = HitTest(event) ? Press::kInside : Press::kOutside;
      }
      return true;
    case OEvent::kButtonDown:
      if (event.button == OEvent::kLeft) {
        press_ = Press::kInside;
      }
      return true;
    case OEvent::kButtonUp:
      return Release();
    default:
      return false;
  }
}

OControl* OCheckBox::HandleFocusAction(OAction action) {
  if (action != OAction::kAct) {
    return nullptr;
  }
  OnClick();
  return this;
}

bool OCheckBox::Release() {
  const bool clicked = press_ == Press::kInside;
  press_ = Press::kIdle;
  return clicked ? OnClick() : true;
}

bool OCheckBox::OnClick() {
  SetChecked(!checked_);
  return Notify(checked_ ? kClicked : kUnchecked);
}
