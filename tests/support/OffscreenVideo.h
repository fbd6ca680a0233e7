// Tests that need a real window use SDL's offscreen video driver: real
// OpenGL from Mesa with no display at all.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

inline bool OffscreenVideoBuiltIn() {
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    if (std::string_view(SDL_GetVideoDriver(i)) == "offscreen") {
      return true;
    }
  }
  return false;
}

// Chooses the offscreen driver for the next start of the video system; the
// test is skipped, saying why, when this SDL was built without it.
#define USE_OFFSCREEN_VIDEO_OR_SKIP()                           \
  do {                                                          \
    if (!OffscreenVideoBuiltIn()) {                             \
      GTEST_SKIP() << "this SDL has no offscreen video driver"; \
    }                                                           \
    setenv("SDL_VIDEODRIVER", "offscreen", 1);                  \
  } while (false)
