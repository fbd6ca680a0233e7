// The window and its OpenGL context through SDL.
#include "platform/Window.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

struct NativeWindow {
  SDL_Window* sdl = nullptr;
  bool acceleratedVisual = false;
  std::string title;
  PixelFormatRequest format;
};

namespace {

// SDL's own "no preference" for the accelerated visual.
constexpr int kAnyVisual = -1;

void RequestPixelFormat(const PixelFormatRequest& format, int accelerated) {
  const bool highColour = format.colourBits == 16;
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, highColour ? 5 : 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, highColour ? 6 : 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, highColour ? 5 : 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, highColour ? 0 : 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depthBits);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, format.stencilBits);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, format.accumulationBits);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, format.accumulationBits);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, format.accumulationBits);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, format.accumulationBits);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, accelerated);
}

SDL_Window* MakeSdlWindow(const std::string& title, const WindowBounds& bounds,
                          const PixelFormatRequest& format, int accelerated) {
  RequestPixelFormat(format, accelerated);
  return SDL_CreateWindow(title.c_str(), bounds.x, bounds.y, bounds.width, bounds.height,
                          SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS);
}

WindowBounds BoundsOf(SDL_Window* window) {
  WindowBounds bounds;
  SDL_GetWindowPosition(window, &bounds.x, &bounds.y);
  SDL_GetWindowSize(window, &bounds.width, &bounds.height);
  return bounds;
}

// The context could not be made on the accelerated visual: the window is made
// again without asking for acceleration, in the same place.
bool RemakeWithoutAcceleration(NativeWindow& window) {
  const WindowBounds bounds = BoundsOf(window.sdl);
  SDL_DestroyWindow(window.sdl);
  window.sdl = MakeSdlWindow(window.title, bounds, window.format, kAnyVisual);
  window.acceleratedVisual = false;
  return window.sdl != nullptr;
}

}  // namespace

bool StartVideo() { return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0; }

void StopVideo() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

std::string LastError() { return SDL_GetError(); }

NativeWindow* CreateGLWindow(const std::string& title, const WindowBounds& bounds,
                             const PixelFormatRequest& format) {
  bool accelerated = true;
  SDL_Window* sdl = MakeSdlWindow(title, bounds, format, 1);
  if (sdl == nullptr) {
    accelerated = false;
    sdl = MakeSdlWindow(title, bounds, format, kAnyVisual);
  }
  if (sdl == nullptr) {
    return nullptr;
  }
  return new NativeWindow{sdl, accelerated, title, format};
}

void DestroyWindow(NativeWindow* window) {
  if (window != nullptr) {
    SDL_DestroyWindow(window->sdl);
    delete window;
  }
}

bool HasAcceleratedVisual(const NativeWindow& window) { return window.acceleratedVisual; }

GLContext* CreateGLContext(NativeWindow& window) {
  SDL_GLContext context = SDL_GL_CreateContext(window.sdl);
  if (context == nullptr && window.acceleratedVisual && RemakeWithoutAcceleration(window)) {
    context = SDL_GL_CreateContext(window.sdl);
  }
  if (context != nullptr) {
    // Not every driver waits for the display (software OpenGL on X does not);
    // the main loop then rests between frames itself.
    SDL_GL_SetSwapInterval(1);
  }
  return static_cast<GLContext*>(context);
}

bool ReleaseGLContext(GLContext* context) {
  const bool released = SDL_GL_MakeCurrent(nullptr, nullptr) == 0;
  SDL_GL_DeleteContext(context);
  return released;
}

void SwapBuffers(NativeWindow& window) { SDL_GL_SwapWindow(window.sdl); }

bool EnterDesktopFullScreen(NativeWindow& window) {
  // The window covers the display by itself first: without a window manager
  // nobody else makes a full-screen window as large as its display.
  const WindowBounds display = DisplayBounds(DisplayOfWindow(window));
  if (display.width > 0 && display.height > 0) {
    SetWindowBounds(window, display);
  }
  if (SDL_SetWindowFullscreen(window.sdl, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
    return false;
  }
  SDL_PumpEvents();
  return true;
}

void LeaveFullScreen(NativeWindow& window) { SDL_SetWindowFullscreen(window.sdl, 0); }

int DisplayOfWindow(NativeWindow& window) { return std::max(SDL_GetWindowDisplayIndex(window.sdl), 0); }

WindowBounds DisplayBounds(int display) {
  SDL_Rect area;
  if (SDL_GetDisplayBounds(display, &area) != 0) {
    return {};
  }
  return {area.x, area.y, area.w, area.h};
}

int RefreshRate(NativeWindow& window) {
  SDL_DisplayMode mode;
  if (SDL_GetCurrentDisplayMode(DisplayOfWindow(window), &mode) != 0) {
    return 0;
  }
  return std::max(mode.refresh_rate, 0);
}

void SetWindowBounds(NativeWindow& window, const WindowBounds& bounds) {
  SDL_SetWindowSize(window.sdl, bounds.width, bounds.height);
  SDL_SetWindowPosition(window.sdl, bounds.x, bounds.y);
}

WindowPosition GetWindowPosition(NativeWindow& window) {
  WindowPosition position;
  SDL_GetWindowPosition(window.sdl, &position.x, &position.y);
  return position;
}

void SetWindowPosition(NativeWindow& window, WindowPosition position) {
  SDL_SetWindowPosition(window.sdl, position.x, position.y);
}

WindowBounds DrawableSize(NativeWindow& window) {
  WindowBounds size;
  SDL_GL_GetDrawableSize(window.sdl, &size.width, &size.height);
  return size;
}

void ShowWindow(NativeWindow& window) { SDL_ShowWindow(window.sdl); }

void MinimiseWindow(NativeWindow& window) { SDL_MinimizeWindow(window.sdl); }

void RestoreWindow(NativeWindow& window) { SDL_RestoreWindow(window.sdl); }

void RaiseWindow(NativeWindow& window) { SDL_RaiseWindow(window.sdl); }

void SetWindowIcon(NativeWindow& window, int width, int height, const std::vector<std::uint8_t>& rgba) {
  if (width <= 0 || height <= 0 || rgba.size() < static_cast<std::size_t>(width) * height * 4) {
    return;
  }
  // The surface only borrows the pixels; SDL copies them into the icon.
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(rgba.data()), width,
                                                         height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
  if (icon != nullptr) {
    SDL_SetWindowIcon(window.sdl, icon);
    SDL_FreeSurface(icon);
  }
}

void ShowSystemCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

void CaptureMouse(bool capture) { SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE); }

void DisableScreenSaver() { SDL_DisableScreenSaver(); }

void StartTextInput() { SDL_StartTextInput(); }

}  // namespace platform
