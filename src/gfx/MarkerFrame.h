// The frame that marks what the keys point at: a closed line, dark under
// light, so that it shows on any colour behind it, drawn over everything.
#pragma once

#include <array>

using MarkerCorners = std::array<std::array<float, 3>, 4>;

// Draws the frame through the four corners in the current model-view matrix,
// and leaves lighting, texturing and the depth test on, as the scenes keep them.
void DrawMarkerFrame(const MarkerCorners& corners, float width);
