// The colours every generated picture shares, so that blocks, icon, cursor and
// backgrounds read as one game.
#pragma once

#include "assetgen/RgbaImage.h"

namespace Palette {

// The four block colours. Besides their hue they differ in lightness, from the
// light yellow to the dark blue, which helps players who tell hues apart badly.
constexpr Rgba kYellow = {247, 206, 46, 255};
constexpr Rgba kGreen = {64, 184, 78, 255};
constexpr Rgba kRed = {226, 58, 46, 255};
constexpr Rgba kBlue = {34, 70, 190, 255};
// The marker that walks over empty cells at the end of a Breakdown level.
constexpr Rgba kMarker = {236, 238, 246, 255};
// The tile behind the goodies' bombs, neutral so that the bomb's tint stands out.
constexpr Rgba kGoodyTile = {150, 146, 160, 255};
constexpr Rgba kBomb = {40, 40, 48, 255};

// The gold of the title, the arrows and the cursor, and the dark line round them.
constexpr Rgba kGoldLight = {255, 236, 150, 255};
constexpr Rgba kGoldDeep = {232, 150, 34, 255};
constexpr Rgba kInk = {38, 22, 12, 255};

// The night sky behind every screen, from its top to its bottom.
constexpr Rgba kSkyTop = {20, 22, 58, 255};
constexpr Rgba kSkyBottom = {8, 10, 26, 255};

}  // namespace Palette
