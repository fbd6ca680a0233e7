// A blend button that shows its highlighted face only while held down. It
// clicks on the release, or as soon as the pointer leaves it while held, so a
// hasty player who slides off still gets the click.
#pragma once

#include <cstdint>

#include "ui/OBlendButton.h"

class PressBlendButton : public OBlendButton {
 public:
  explicit PressBlendButton(std::uint32_t controlId);

  // No pointer tracking and no Enter key: only the left button's press and release.
  bool HandleEvent(const OEvent& event) override;
  // Hovering alone leaves the face as it is.
  void Highlight() override;
  // Its face changes only while it is held, so the focus is framed.
  void DrawFocus() override { OControl3D::DrawFocus(); }
  void Unhighlight() override;
  void OnPress() override;
  void OnRelease() override;
};
