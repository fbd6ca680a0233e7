#include "ui/ORadioGroup.h"

#include <algorithm>

#include "ui/ORadioButton.h"

void ORadioGroup::Add(ORadioButton* radio) {
  if (!Contains(radio)) {
    members_.push_back(radio);
  }
}

bool ORadioGroup::Contains(const ORadioButton* radio) const {
  return std::find(members_.begin(), members_.end(), radio) != members_.end();
}

bool ORadioGroup::Select(ORadioButton* radio) {
  if (!Contains(radio)) {
    return false;
  }
  for (ORadioButton* member : members_) {
    member->SetChecked(member == radio);
  }
  return true;
}
