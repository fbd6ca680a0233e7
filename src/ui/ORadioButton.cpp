#include "ui/ORadioButton.h"

#include "ui/ORadioGroup.h"

ORadioButton::ORadioButton(std::uint32_t controlId, ORadioGroup* group)
    : OCheckBox(controlId), group_(group) {
  if (group_ != nullptr) {
    group_->Add(this);
  }
}

bool ORadioButton::OnClick() {
  // A button that left its group (or never had one) stays silent.
  if (group_ == nullptr || !group_->Select(this)) {
    return true;
  }
  return Notify(kClicked);
}
