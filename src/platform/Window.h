// The game's one window with its OpenGL context, and what the game asks of
// it: full screen, placement, minimising, the icon, the pointer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Opaque: the window and the context behind it belong to the platform.
struct NativeWindow;
struct GLContext;

// The drawing surface the game asks for. The depth of the colour picks the
// channel sizes: 16 bits are red 5, green 6, blue 5; anything else is 8 bits
// per channel with alpha.
struct PixelFormatRequest {
  int colourBits = 32;
  int depthBits = 16;
  int stencilBits = 0;
  int accumulationBits = 0;
};

struct WindowBounds {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct WindowPosition {
  int x = 0;
  int y = 0;
};

// Starts and stops the video system; every other call here needs it started.
// Starting it twice is harmless; each start wants its own stop.
bool StartVideo();
void StopVideo();
// Why the last call here that failed did so, in the platform's words.
std::string LastError();

// A borderless window that can carry OpenGL, shown at once. A hardware
// accelerated visual is asked for first; when only an unaccelerated one can
// be had, the window is made with that and says so (HasAcceleratedVisual).
// Null when no window can be made at all.
NativeWindow* CreateGLWindow(const std::string& title, const WindowBounds& bounds,
                             const PixelFormatRequest& format);
void DestroyWindow(NativeWindow* window);
bool HasAcceleratedVisual(const NativeWindow& window);

// Makes the context current with a swap interval of 1, so frames follow the
// display where the driver honours it. When the accelerated visual cannot
// carry a context but an unaccelerated one can, the window is made again
// without acceleration.
// Null when no context can be made.
GLContext* CreateGLContext(NativeWindow& window);
// False when the context could not be released from the thread.
bool ReleaseGLContext(GLContext* context);
void SwapBuffers(NativeWindow& window);

// Full screen the way a desktop has it: the window becomes borderless and
// covers the whole display it is on, at the display's own size; the display's
// mode is never changed. False when the window stays as it was.
bool EnterDesktopFullScreen(NativeWindow& window);
// Back to a plain window; harmless for a window that is not full screen.
void LeaveFullScreen(NativeWindow& window);

// The display a window stands on (0 when it cannot tell), and where that
// display lies on the desktop; zero-sized when it cannot be read.
int DisplayOfWindow(NativeWindow& window);
WindowBounds DisplayBounds(int display);
// How many times a second the display the window is on refreshes; 0 when it does not say.
int RefreshRate(NativeWindow& window);

void SetWindowBounds(NativeWindow& window, const WindowBounds& bounds);
WindowPosition GetWindowPosition(NativeWindow& window);
void SetWindowPosition(NativeWindow& window, WindowPosition position);
// The size OpenGL draws into, in pixels.
WindowBounds DrawableSize(NativeWindow& window);

void ShowWindow(NativeWindow& window);
void MinimiseWindow(NativeWindow& window);
void RestoreWindow(NativeWindow& window);
// Raises the window and gives it the keyboard.
void RaiseWindow(NativeWindow& window);

// `rgba` holds width x height pixels, four bytes each, rows from the top.
void SetWindowIcon(NativeWindow& window, int width, int height, const std::vector<std::uint8_t>& rgba);

// The game draws its own pointer over the picture.
void ShowSystemCursor(bool show);
// While a button is held, the pointer keeps reporting to the window even
// outside it, so a drag that leaves the window still ends.
void CaptureMouse(bool capture);
// The game is watched, not typed at: no screen saver or power-down while it runs.
void DisableScreenSaver();
// Characters typed arrive as character events from now on.
void StartTextInput();

}  // namespace platform
