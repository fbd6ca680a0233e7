// A check box that belongs to a group in which exactly one is selected. A
// click selects it, even when it already is, and tells the screen again.
#pragma once

#include <cstdint>

#include "ui/OCheckBox.h"

class ORadioGroup;

class ORadioButton : public OCheckBox {
 public:
  // Joins the group, which must outlive the button.
  ORadioButton(std::uint32_t controlId, ORadioGroup* group);

  // Left and Right choose the group's neighbour, which takes the focus.
  OControl* HandleFocusAction(OAction action) override;

 protected:
  bool OnClick() override;

 private:
  ORadioGroup* group_;  // not owned
};
