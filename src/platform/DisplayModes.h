// What the first display can show: the modes it lists and the desktop's size.
#pragma once

#include <vector>

namespace platform {

struct DisplayMode {
  int width = 0;
  int height = 0;
  int refreshRate = 0;   // Hz, 0 when the display does not say
  int bitsPerPixel = 0;  // 16 or 32 on usual displays; a 24-bit display counts as 32
};

struct DesktopSize {
  int width = 0;
  int height = 0;
};

// Empty when the video system is not started or the display lists nothing.
std::vector<DisplayMode> DisplayModes();
// The size of the desktop's own mode; zero when it cannot be read.
DesktopSize DesktopSizeOfDisplay();

}  // namespace platform
