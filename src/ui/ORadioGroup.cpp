#include "ui/ORadioGroup.h"

#include <algorithm>
#include <cstddef>

#include "ui/ORadioButton.h"

void ORadioGroup::Add(ORadioButton* radio) {
  if (!Contains(radio)) {
    members_.push_back(radio);
  }
}

bool ORadioGroup::Contains(const ORadioButton* radio) const {
  return std::find(members_.begin(), members_.end(), radio) != members_.end();
}

ORadioButton* ORadioGroup::Neighbour(ORadioButton* radio, int step) const {
  const auto found = std::find(members_.begin(), members_.end(), radio);
  if (found == members_.end()) {
    return radio;
  }
  const auto index = std::clamp(found - members_.begin() + step, std::ptrdiff_t{0},
                                static_cast<std::ptrdiff_t>(members_.size()) - 1);
  return members_[static_cast<std::size_t>(index)];
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
