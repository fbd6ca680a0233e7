// The messages of the game's window, one at a time, in the words the window
// procedure speaks: Windows virtual-key codes, Windows-1252 characters and the
// key-state word of mouse messages.
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
  DisplayChanged,    // the window moved onto another display
  ToggleFullScreen,  // Alt+Enter or F11
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
  std::uint16_t key = 0;                   // virtual-key code, or the Windows-1252 character
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
void WaitForWindowEvent(int timeoutMs);
// The loop's next message will be Quit.
void PostQuit();

// The Windows virtual-key code of an SDL key symbol, 0 for a key the game does not know.
std::uint16_t VirtualKeyCode(std::int32_t keySymbol);
// Typed UTF-8 text as Windows-1252 character codes. A Latin Extended-A letter
// without a Windows-1252 byte becomes its unaccented letter; other characters
// without one, control characters and broken UTF-8 are dropped.
std::vector<std::uint8_t> Windows1252Characters(std::string_view utf8);
std::uint16_t MouseKeyFlags(bool left, bool right, bool middle, bool shift, bool control);

}  // namespace platform
