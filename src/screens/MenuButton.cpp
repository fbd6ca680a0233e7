#include "screens/MenuButton.h"

#include <numbers>

#include "screens/PlaceOnLayout.h"

std::unique_ptr<OBlendButton> MakeMenuButton(const MenuButton& button, const OCamera* camera) {
  auto made = PlaceOnLayout(std::make_unique<OBlendButton>(button.command, false), button.model, button.x,
                            button.y, button.scale, camera);
  made->RotateLocalZ(button.turnDegrees * std::numbers::pi_v<float> / 180.0f);
  return made;
}
