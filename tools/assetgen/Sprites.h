// The small pictures drawn over the scene: the ring arrows, the explosion's
// spark, the mouse pointer and the window icon.
#pragma once

#include "assetgen/RgbaImage.h"

namespace Sprites {

constexpr int kArrowFrameSize = 64;
constexpr int kArrowFrames = 8;

enum class Direction { Left, Right };

// A looping sheet of kArrowFrames frames in one row; the arrow points the
// given way as the player sees it in the game.
RgbaImage MakeArrowSheet(Direction onScreen);
// A round white spark fading to transparent; the explosion tints it.
RgbaImage MakeSpark();
// The pointer, its tip at the picture's top-left corner where the game puts
// the mouse position.
RgbaImage MakeCursor();
// The icon, `size` pixels square: the window's, and the desktop's at its sizes.
constexpr int kWindowIconSize = 64;
RgbaImage MakeIcon(int size);

}  // namespace Sprites
