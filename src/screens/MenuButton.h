// The menus' buttons: a blended model button placed at a point of the 512 x
// 512 layout, scaled, and turned once by a fixed angle.
#pragma once

#include <cstdint>
#include <memory>

#include "ui/OBlendButton.h"

class OCamera;

struct MenuButton {
  std::uint32_t command;
  const char* model;
  float x;
  float y;
  float turnDegrees;
  float scale = 0.5f;
};

std::unique_ptr<OBlendButton> MakeMenuButton(const MenuButton& button, const OCamera* camera);
