// The red arrows that turn all rings while held: the owner hears when the
// button goes down (3001) and when it comes up (3002), and also hears 3002
// whenever the pointer leaves the button, so the rings never keep turning
// after the player has moved away.
#pragma once

#include <cstdint>

#include "ui/OBlendButton.h"

class RotateButton : public OBlendButton {
 public:
  explicit RotateButton(std::uint32_t controlId);

  bool HandleEvent(const OEvent& event) override;
  // Hovering alone leaves the face as it is; it changes on the press.
  void Highlight() override;
  void Unhighlight() override;
  void OnPress() override;
  void OnRelease() override;
};
