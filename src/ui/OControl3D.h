// A control that is a model in the scene: buttons and option controls. The
// pointer is over it when the ray through the pointer crosses its model's box.
#pragma once

#include <cstdint>

#include "gfx/OModel.h"
#include "ui/OControl.h"

class OControl3D : public OControl, public OModel {
 public:
  OControl3D(std::uint32_t controlId, bool canTakeFocus) : OControl(controlId, canTakeFocus) {}

  // False while the holder has no camera to cast the ray from.
  bool HitTest(const OEvent& event) override;
  // The box is measured once the screen has loaded, placed and scaled the model.
  bool Init() override;
  void Draw() override { OModel::Draw(); }
  std::array<float, 2> FocusPlace() const override;
  void DrawFocus() override;
};
