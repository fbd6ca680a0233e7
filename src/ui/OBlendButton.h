// A button that glows over the scene instead of standing in it: its faces are
// drawn unlit, first darkening what lies behind them by their alpha, then
// adding their colour, so dark parts of the face picture stay see-through.
#pragma once

#include <cstdint>

#include "ui/OButton.h"

class OBlendButton : public OButton {
 public:
  OBlendButton(std::uint32_t controlId, bool canTakeFocus);

  // The faces lie at exactly the same depth, so they need the frame's
  // GL_LEQUAL depth test.
  void Draw() override;
  bool AddToPictureKey(PictureKey& key) const override;

  // Disabled, the button shows it by giving only a little of its light.
  bool greyWhenDisabled = false;
};
