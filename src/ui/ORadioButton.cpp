#include "ui/ORadioButton.h"

#include "ui/OAction.h"
#include "ui/ORadioGroup.h"

ORadioButton::ORadioButton(std::uint32_t controlId, ORadioGroup* group)
    : OCheckBox(controlId), group_(group) {
  if (group_ != nullptr) {
    group_->Add(this);
  }
}

OControl* ORadioButton::HandleFocusAction(OAction action) {
  if (action != OAction::kLeft && action != OAction::kRight) {
    return OCheckBox::HandleFocusAction(action);
  }
  ORadioButton* chosen =
      group_ != nullptr ? group_->Neighbour(this, action == OAction::kRight ? 1 : -1) : this;
  if (chosen != this) {
    chosen->OnClick();
  }
  return chosen;
}

bool ORadioButton::OnClick() {
  // A button that left its group (or never had one) stays silent.
  if (group_ == nullptr || !group_->Select(this)) {
    return true;
  }
  return Notify(kClicked);
}
