// The messages of the game's window, one at a time, in the words the window
// procedure speaks: Windows virtual-key codes, Windows-1252 characters and the
// key-state word of mouse messages; and the buttons of game controllers.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

enum class WindowEventKind {
  None,   // a message the game does not handle
  Quit,   // the loop ends
  Close,  // the player closed the window
  MouseMove,
  ButtonDown,
  ButtonUp,
  KeyDown,
  KeyUp,
  Character,
  Minimised,
  Restored,
  Maximised,
  SizeChanged,
  Hidden,  // nothing of the window can be seen: unmapped, or on another desktop
  Shown,
  FocusLost,         // the keyboard's focus went to another window
  DisplayChanged,    // the window moved onto another display
  ToggleFullScreen,  // Alt+Enter or F11
  PadDown,           // a game controller's button pressed, or a held direction repeating
  PadUp,
};

// A game controller's buttons as the game reads them, whichever controller it
// is: SDL's database names each controller's buttons the same way. The stick
// presses the d-pad's directions, and a trigger pulled past half way is a button.
enum class PadButton : std::uint16_t {
  Up = 1,
  Down,
  Left,
  Right,
  A,  // the bottom face button
  B,  // the right face button
  X,
  Y,
  LeftShoulder,
  RightShoulder,
  LeftTrigger,
  RightTrigger,
  Start,
  Back,
};

enum class MouseButton { Left, Middle, Right };

// The key-state word of mouse messages.
enum MouseKeyFlag : std::uint16_t {
  kMouseLeft = 1,
  kMouseRight = 2,
  kMouseShift = 4,
  kMouseControl = 8,
  kMouseMiddle = 16,
};

struct WindowEvent {
  WindowEventKind kind = WindowEventKind::None;
  MouseButton button = MouseButton::Left;  // button messages
  std::uint16_t flags = 0;                 // mouse and key messages: MouseKeyFlag bits
  std::uint16_t key = 0;                   // virtual-key code, Windows-1252 character or PadButton
  int x = 0;                               // pointer in window pixels from the top left
  int y = 0;
  int width = 0;  // Restored, Maximised, SizeChanged: the drawable size
  int height = 0;
};

// Takes the next message; false when none is waiting. One system event can
// make several messages (a typed text, Enter's key and character), which come
// out one per call.
bool PollWindowEvent(WindowEvent& event);
// Blocks until a message is waiting, or for at most `timeoutMs`; takes none.
// A held direction's next repeat ends the wait.
void WaitForWindowEvent(int timeoutMs);
// The loop's next message will be Quit.
void PostQuit();

// Game controllers, plugged in now or later, send their buttons as messages
// from here on. False when the system offers none; the game plays on without.
bool StartControllers();
void StopControllers();

// The Windows virtual-key code of an SDL key symbol, 0 for a key the game does not know.
std::uint16_t VirtualKeyCode(std::int32_t keySymbol);
// Typed UTF-8 text as Windows-1252 character codes. A Latin Extended-A letter
// without a Windows-1252 byte becomes its unaccented letter; other characters
// without one, control characters and broken UTF-8 are dropped.
std::vector<std::uint8_t> Windows1252Characters(std::string_view utf8);
std::uint16_t MouseKeyFlags(bool left, bool right, bool middle, bool shift, bool control);

}  // namespace platform
