// The radio buttons of which exactly one is selected. The group only points
// at its members; the screen owns them.
#pragma once

#include <vector>

class ORadioButton;

class ORadioGroup {
 public:
  // A button already in the group is not added twice.
  void Add(ORadioButton* radio);
  bool Contains(const ORadioButton* radio) const;
  // Checks the radio and unchecks every other member; false, changing
  // nothing, when the radio is not a member.
  bool Select(ORadioButton* radio);
  // The member `step` places after the radio in the order they joined,
  // stopping at the first and the last; the radio itself when it is not a member.
  ORadioButton* Neighbour(ORadioButton* radio, int step) const;

 private:
  std::vector<ORadioButton*> members_;  // not owned
};
