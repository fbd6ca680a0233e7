// The input event record that the window fills from mouse, keyboard and game
// controller messages and the screens hand to their controls.
#pragma once

#include <cstdint>

struct OEvent {
  enum Type : std::uint32_t {
    kNone = 0,
    kCharacter = 1,
    kKeyDown = 2,
    kKeyUp = 3,
    kMouseMove = 4,
    kButtonDown = 6,
    kButtonUp = 7,
    kPadDown = 8,  // `key` is the game controller's button (padbutton::)
    kPadUp = 9,
  };
  enum Button : std::uint32_t { kLeft = 0, kMiddle = 1, kRight = 2 };
  // Bits of `flags`, for mouse and key events alike.
  static constexpr std::uint16_t kShiftHeld = 4;
  static constexpr std::uint16_t kControlHeld = 8;

  // A mouse event at (x, y). The pointer position is remembered for the whole
  // program, so moves carry their step and keyboard events know where the pointer is.
  static OEvent Mouse(std::uint32_t type, std::uint32_t button, std::uint16_t flags, std::uint16_t x,
                      std::uint16_t y);
  static OEvent Key(std::uint32_t type, std::uint16_t key, std::uint16_t flags);

  // Steps wrap modulo 65536: a reader takes them as signed 16-bit values.
  std::int16_t SignedDx() const { return static_cast<std::int16_t>(dx); }
  std::int16_t SignedDy() const { return static_cast<std::int16_t>(dy); }

  std::uint32_t type = kNone;
  std::uint32_t button = kLeft;
  std::uint16_t flags = 0;
  std::uint16_t key = 0;
  std::uint16_t x = 0;
  std::uint16_t y = 0;
  std::uint16_t dx = 0;
  std::uint16_t dy = 0;
};
