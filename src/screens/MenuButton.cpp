#include "screens/MenuButton.h"

#include <numbers>

#include "app/ORenderWindow.h"
#include "gfx/OCamera.h"

std::unique_ptr<OBlendButton> MakeMenuButton(const MenuButton& button, const OCamera* camera) {
  auto made = std::make_unique<OBlendButton>(button.command, false);
  made->Load(button.model);
  if (camera != nullptr) {
    made->PlaceAtDesignPoint(button.x, button.y, 0.0f, *camera, ORenderWindow::kLayoutSize,
                             ORenderWindow::kLayoutSize);
  }
  made->SetScale(button.scale, button.scale, button.scale);
  made->RotateLocalZ(button.turnDegrees * std::numbers::pi_v<float> / 180.0f);
  return made;
}
