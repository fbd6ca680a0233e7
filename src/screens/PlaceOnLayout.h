// Side-screen controls are models: each is loaded, then stood at a point of
// the 512 x 512 layout as the application's camera sees it.
#pragma once

#include <memory>

#include "app/ORenderWindow.h"
#include "gfx/OCamera.h"

template <typename Control>
std::unique_ptr<Control> PlaceOnLayout(std::unique_ptr<Control> control, const char* model, float x, float y,
                                       float scale, const OCamera* camera) {
  control->Load(model);
  if (camera != nullptr) {
    control->PlaceAtDesignPoint(x, y, 0.0f, *camera, ORenderWindow::kLayoutSize, ORenderWindow::kLayoutSize);
  }
  control->SetScale(scale, scale, scale);
  return control;
}
