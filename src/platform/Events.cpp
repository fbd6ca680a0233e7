// SDL events turned into the window's messages.
#include "platform/Events.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <optional>
#include <utility>

#include "platform/PadInput.h"

namespace platform {

namespace {

constexpr std::uint16_t kVirtualBackspace = 8;
constexpr std::uint16_t kVirtualEnter = 13;
constexpr std::uint16_t kVirtualF11 = 122;

// Keys whose codes are not a run of letters, digits or function keys.
constexpr std::array<std::pair<SDL_Keycode, std::uint16_t>, 16> kNamedKeys{{
    {SDLK_BACKSPACE, kVirtualBackspace},
    {SDLK_TAB, 9},
    {SDLK_RETURN, kVirtualEnter},
    {SDLK_KP_ENTER, kVirtualEnter},
    {SDLK_ESCAPE, 27},
    {SDLK_SPACE, 32},
    {SDLK_PAGEUP, 33},
    {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},
    {SDLK_HOME, 36},
    {SDLK_LEFT, 37},
    {SDLK_UP, 38},
    {SDLK_RIGHT, 39},
    {SDLK_DOWN, 40},
    {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},
}};

// Windows-1252 bytes 0x80 to 0x9F, by the code point each stands for (0 where
// the byte is unassigned).
constexpr std::array<char32_t, 32> kHighControlRange{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Latin Extended-A letters (U+0100 to U+017F) that the code page lacks
// become their unaccented letter, as Windows' best fit makes them.
constexpr char32_t kFirstExtendedLatin = 0x100;
constexpr std::string_view kExtendedLatinBase =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSs"
    "TtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

std::optional<std::uint8_t> Windows1252Byte(char32_t codePoint) {
  if ((codePoint >= 0x20 && codePoint < 0x7F) || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<std::uint8_t>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
    if (kHighControlRange[i] != 0 && kHighControlRange[i] == codePoint) {
      return static_cast<std::uint8_t>(0x80 + i);
    }
  }
  if (codePoint >= kFirstExtendedLatin && codePoint < kFirstExtendedLatin + kExtendedLatinBase.size()) {
    return static_cast<std::uint8_t>(kExtendedLatinBase[codePoint - kFirstExtendedLatin]);
  }
  return std::nullopt;
}

struct SequenceStart {
  int continuationBytes;
  char32_t leadBits;
  char32_t smallest;  // anything below has a shorter spelling
};

std::optional<SequenceStart> StartOfSequence(unsigned char lead) {
  if ((lead & 0xE0) == 0xC0) {
    return SequenceStart{1, lead & 0x1Fu, 0x80};
  }
  if ((lead & 0xF0) == 0xE0) {
    return SequenceStart{2, lead & 0x0Fu, 0x800};
  }
  if ((lead & 0xF8) == 0xF0) {
    return SequenceStart{3, lead & 0x07u, 0x10000};
  }
  return std::nullopt;
}

// Decodes the code point at `text[at]` and moves `at` past it. A broken
// sequence gives nothing and moves `at` one byte on.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) {
    return lead;
  }
  const std::optional<SequenceStart> start = StartOfSequence(lead);
  if (!start || text.size() - at < static_cast<std::size_t>(start->continuationBytes)) {
    return std::nullopt;
  }
  char32_t codePoint = start->leadBits;
  for (int i = 0; i < start->continuationBytes; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) {
      return std::nullopt;
    }
    codePoint = (codePoint << 6) | (next & 0x3Fu);
  }
  at += start->continuationBytes;
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < start->smallest || surrogate || codePoint > 0x10FFFF) {
    return std::nullopt;
  }
  return codePoint;
}

// Messages already made from one system event and not yet taken.
std::deque<WindowEvent>& Pending() {
  static std::deque<WindowEvent> pending;
  return pending;
}

// The buttons held as the events so far tell it; asking the mouse instead
// would see the state after events still in the queue.
Uint32 heldButtons = 0;

std::uint16_t FlagsWithButtons(Uint32 buttons) {
  const SDL_Keymod modifiers = SDL_GetModState();
  return MouseKeyFlags((buttons & SDL_BUTTON_LMASK) != 0, (buttons & SDL_BUTTON_RMASK) != 0,
                       (buttons & SDL_BUTTON_MMASK) != 0, (modifiers & KMOD_SHIFT) != 0,
                       (modifiers & KMOD_CTRL) != 0);
}

std::optional<MouseButton> GameButton(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return MouseButton::Left;
    case SDL_BUTTON_MIDDLE:
      return MouseButton::Middle;
    case SDL_BUTTON_RIGHT:
      return MouseButton::Right;
    default:
      return std::nullopt;
  }
}

void AddMouseMove(const SDL_MouseMotionEvent& motion) {
  heldButtons = motion.state;
  WindowEvent event{WindowEventKind::MouseMove};
  event.flags = FlagsWithButtons(heldButtons);
  event.x = motion.x;
  event.y = motion.y;
  Pending().push_back(event);
}

void AddMouseButton(const SDL_MouseButtonEvent& press) {
  const std::optional<MouseButton> button = GameButton(press.button);
  if (!button) {
    return;
  }
  const bool down = press.type == SDL_MOUSEBUTTONDOWN;
  if (down) {
    heldButtons |= SDL_BUTTON(press.button);
  } else {
    heldButtons &= ~SDL_BUTTON(press.button);
  }
  WindowEvent event{down ? WindowEventKind::ButtonDown : WindowEventKind::ButtonUp};
  event.button = *button;
  event.flags = FlagsWithButtons(heldButtons);
  event.x = press.x;
  event.y = press.y;
  Pending().push_back(event);
}

void AddCharacter(std::uint16_t character) {
  WindowEvent event{WindowEventKind::Character};
  event.key = character;
  Pending().push_back(event);
}

// Backspace and Enter type a character as well as pressing a key, as they do
// on Windows; the text events of the system leave them out.
void AddKey(const SDL_KeyboardEvent& press) {
  const std::uint16_t key = VirtualKeyCode(press.keysym.sym);
  if (key == 0) {
    return;
  }
  const bool down = press.type == SDL_KEYDOWN;
  // The desktop's own keys for full screen are the window's, not the game's:
  // Alt+Enter must not also accept a name.
  if (key == kVirtualF11 || (key == kVirtualEnter && (press.keysym.mod & KMOD_ALT) != 0)) {
    if (down && press.repeat == 0) {
      Pending().push_back(WindowEvent{WindowEventKind::ToggleFullScreen});
    }
    return;
  }
  WindowEvent event{down ? WindowEventKind::KeyDown : WindowEventKind::KeyUp};
  event.key = key;
  event.flags = static_cast<std::uint16_t>(((press.keysym.mod & KMOD_SHIFT) != 0 ? kMouseShift : 0) |
                                           ((press.keysym.mod & KMOD_CTRL) != 0 ? kMouseControl : 0));
  Pending().push_back(event);
  if (down && (key == kVirtualBackspace || key == kVirtualEnter)) {
    AddCharacter(key);
  }
}

void AddText(const char* text) {
  for (const std::uint8_t character : Windows1252Characters(text)) {
    AddCharacter(character);
  }
}

WindowEvent WithDrawableSize(WindowEventKind kind, Uint32 windowId) {
  WindowEvent event{kind};
  if (SDL_Window* window = SDL_GetWindowFromID(windowId)) {
    SDL_GL_GetDrawableSize(window, &event.width, &event.height);
  }
  return event;
}

void AddWindowChange(const SDL_WindowEvent& change) {
  switch (change.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
      Pending().push_back(WindowEvent{WindowEventKind::Minimised});
      break;
    case SDL_WINDOWEVENT_RESTORED:
      Pending().push_back(WithDrawableSize(WindowEventKind::Restored, change.windowID));
      break;
    case SDL_WINDOWEVENT_MAXIMIZED:
      Pending().push_back(WithDrawableSize(WindowEventKind::Maximised, change.windowID));
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
      // A window made again for another mode may still report the old one's size.
      if (SDL_GetWindowFromID(change.windowID) == nullptr) {
        break;
      }
      WindowEvent event{WindowEventKind::SizeChanged};
      event.width = change.data1;
      event.height = change.data2;
      Pending().push_back(event);
      break;
    }
    case SDL_WINDOWEVENT_HIDDEN:
      Pending().push_back(WindowEvent{WindowEventKind::Hidden});
      break;
    case SDL_WINDOWEVENT_SHOWN:
      Pending().push_back(WindowEvent{WindowEventKind::Shown});
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      Pending().push_back(WindowEvent{WindowEventKind::FocusLost});
      break;
    case SDL_WINDOWEVENT_DISPLAY_CHANGED:
      Pending().push_back(WindowEvent{WindowEventKind::DisplayChanged});
      break;
    case SDL_WINDOWEVENT_CLOSE:
      Pending().push_back(WindowEvent{WindowEventKind::Close});
      break;
    default:
      break;
  }
}

// The controllers open now, by SDL's joystick instance ID.
std::map<SDL_JoystickID, SDL_GameController*>& OpenControllers() {
  static std::map<SDL_JoystickID, SDL_GameController*> controllers;
  return controllers;
}

PadInput& Pads() {
  static PadInput pads;
  return pads;
}

void OpenController(int deviceIndex) {
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (controller == nullptr) {
    return;
  }
  const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
  // Each open is counted: one more for a controller already open would keep it open for ever.
  if (!OpenControllers().emplace(id, controller).second) {
    SDL_GameControllerClose(controller);
  }
}

void CloseController(SDL_JoystickID id) {
  const auto found = OpenControllers().find(id);
  if (found == OpenControllers().end()) {
    return;
  }
  SDL_GameControllerClose(found->second);
  OpenControllers().erase(found);
  Pads().Unplugged(id, Pending());
}

std::optional<PadButton> GamePadButton(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return PadButton::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return PadButton::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return PadButton::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return PadButton::Right;
    case SDL_CONTROLLER_BUTTON_A:
      return PadButton::A;
    case SDL_CONTROLLER_BUTTON_B:
      return PadButton::B;
    case SDL_CONTROLLER_BUTTON_X:
      return PadButton::X;
    case SDL_CONTROLLER_BUTTON_Y:
      return PadButton::Y;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
      return PadButton::LeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
      return PadButton::RightShoulder;
    case SDL_CONTROLLER_BUTTON_START:
      return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_BACK:
      return PadButton::Back;
    default:
      return std::nullopt;
  }
}

void AddControllerButton(const SDL_ControllerButtonEvent& press) {
  if (const std::optional<PadButton> button = GamePadButton(press.button)) {
    Pads().Button(press.which, *button, press.state == SDL_PRESSED, SDL_GetTicks(), Pending());
  }
}

void AddControllerAxis(const SDL_ControllerAxisEvent& motion) {
  switch (motion.axis) {
    case SDL_CONTROLLER_AXIS_LEFTX:
    case SDL_CONTROLLER_AXIS_LEFTY: {
      const auto axis =
          motion.axis == SDL_CONTROLLER_AXIS_LEFTX ? PadInput::StickAxis::X : PadInput::StickAxis::Y;
      Pads().Stick(motion.which, axis, motion.value, SDL_GetTicks(), Pending());
      break;
    }
    case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
      Pads().Trigger(motion.which, PadButton::LeftTrigger, motion.value, Pending());
      break;
    case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
      Pads().Trigger(motion.which, PadButton::RightTrigger, motion.value, Pending());
      break;
    default:
      break;
  }
}

void AddMessagesOf(const SDL_Event& sdl) {
  switch (sdl.type) {
    case SDL_QUIT:
      Pending().push_back(WindowEvent{WindowEventKind::Quit});
      break;
    case SDL_WINDOWEVENT:
      AddWindowChange(sdl.window);
      break;
    case SDL_MOUSEMOTION:
      AddMouseMove(sdl.motion);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      AddMouseButton(sdl.button);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      AddKey(sdl.key);
      break;
    case SDL_TEXTINPUT:
      AddText(sdl.text.text);
      break;
    case SDL_CONTROLLERDEVICEADDED:
      OpenController(sdl.cdevice.which);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      CloseController(sdl.cdevice.which);
      break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      AddControllerButton(sdl.cbutton);
      break;
    case SDL_CONTROLLERAXISMOTION:
      AddControllerAxis(sdl.caxis);
      break;
    default:
      break;
  }
}

}  // namespace

bool PollWindowEvent(WindowEvent& event) {
  if (Pending().empty()) {
    Pads().Repeat(SDL_GetTicks(), Pending());
  }
  if (Pending().empty()) {
    SDL_Event sdl;
    if (SDL_PollEvent(&sdl) == 0) {
      return false;
    }
    AddMessagesOf(sdl);
  }
  if (Pending().empty()) {
    event = WindowEvent{};
    return true;
  }
  event = Pending().front();
  Pending().pop_front();
  return true;
}

void WaitForWindowEvent(int timeoutMs) {
  // Without an event to fill in, SDL only looks: the message stays for the next poll.
  if (Pending().empty()) {
    const std::optional<std::uint32_t> repeat = Pads().UntilRepeat(SDL_GetTicks());
    SDL_WaitEventTimeout(nullptr, repeat ? std::min(timeoutMs, static_cast<int>(*repeat)) : timeoutMs);
  }
}

void PostQuit() {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
}

bool StartControllers() { return SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0; }

void StopControllers() {
  for (const auto& [id, controller] : OpenControllers()) {
    SDL_GameControllerClose(controller);
  }
  OpenControllers().clear();
  Pads() = PadInput{};
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

std::uint16_t VirtualKeyCode(std::int32_t keySymbol) {
  if (keySymbol >= SDLK_a && keySymbol <= SDLK_z) {
    return static_cast<std::uint16_t>('A' + (keySymbol - SDLK_a));
  }
  if (keySymbol >= SDLK_0 && keySymbol <= SDLK_9) {
    return static_cast<std::uint16_t>('0' + (keySymbol - SDLK_0));
  }
  if (keySymbol >= SDLK_F1 && keySymbol <= SDLK_F12) {
    return static_cast<std::uint16_t>(112 + (keySymbol - SDLK_F1));
  }
  for (const auto& [symbol, code] : kNamedKeys) {
    if (symbol == keySymbol) {
      return code;
    }
  }
  return 0;
}

std::vector<std::uint8_t> Windows1252Characters(std::string_view utf8) {
  std::vector<std::uint8_t> characters;
  for (std::size_t at = 0; at < utf8.size();) {
    if (const std::optional<char32_t> codePoint = NextCodePoint(utf8, at)) {
      if (const std::optional<std::uint8_t> byte = Windows1252Byte(*codePoint)) {
        characters.push_back(*byte);
      }
    }
  }
  return characters;
}

std::uint16_t MouseKeyFlags(bool left, bool right, bool middle, bool shift, bool control) {
  return static_cast<std::uint16_t>((left ? kMouseLeft : 0) | (right ? kMouseRight : 0) |
                                    (shift ? kMouseShift : 0) | (control ? kMouseControl : 0) |
                                    (middle ? kMouseMiddle : 0));
}

}  // namespace platform
