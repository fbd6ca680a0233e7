// Display modes of display 0 through SDL.
#include "platform/DisplayModes.h"

#include <SDL.h>

namespace platform {

namespace {

constexpr int kDisplay = 0;

}  // namespace

std::vector<DisplayMode> DisplayModes() {
  std::vector<DisplayMode> modes;
  const int count = SDL_GetNumDisplayModes(kDisplay);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(kDisplay, i, &mode) == 0) {
      modes.push_back(
          {mode.w, mode.h, mode.refresh_rate, static_cast<int>(SDL_BYTESPERPIXEL(mode.format)) * 8});
    }
  }
  return modes;
}

DesktopSize DesktopSizeOfDisplay() {
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(kDisplay, &mode) != 0) {
    return {};
  }
  return {mode.w, mode.h};
}

}  // namespace platform
