// The codes key events carry for the keys the screens play with: Windows
// virtual-key codes, as the platform layer translates the keyboard's keys;
// and those pad events carry for a game controller's buttons.
#pragma once

#include <cstdint>

namespace keycode {

constexpr std::uint16_t kBackspace = 8;
constexpr std::uint16_t kTab = 9;
constexpr std::uint16_t kEnter = 13;
constexpr std::uint16_t kEscape = 27;
constexpr std::uint16_t kSpace = 32;
constexpr std::uint16_t kPageUp = 33;
constexpr std::uint16_t kPageDown = 34;
constexpr std::uint16_t kEnd = 35;
constexpr std::uint16_t kHome = 36;
constexpr std::uint16_t kLeft = 37;
constexpr std::uint16_t kUp = 38;
constexpr std::uint16_t kRight = 39;
constexpr std::uint16_t kDown = 40;
constexpr std::uint16_t kDelete = 46;
constexpr std::uint16_t kPause = 'P';
constexpr std::uint16_t kReplay = 'R';
constexpr std::uint16_t kRedo = 'Y';      // with Ctrl
constexpr std::uint16_t kTurnLeft = 'Z';  // with Ctrl, undo; with Ctrl and Shift, redo
constexpr std::uint16_t kTurnRight = 'X';

}  // namespace keycode

namespace padbutton {

// The d-pad's directions; the left stick presses them too.
constexpr std::uint16_t kUp = 1;
constexpr std::uint16_t kDown = 2;
constexpr std::uint16_t kLeft = 3;
constexpr std::uint16_t kRight = 4;
constexpr std::uint16_t kA = 5;  // the bottom face button
constexpr std::uint16_t kB = 6;  // the right face button
constexpr std::uint16_t kX = 7;
constexpr std::uint16_t kY = 8;
constexpr std::uint16_t kLeftShoulder = 9;
constexpr std::uint16_t kRightShoulder = 10;
constexpr std::uint16_t kLeftTrigger = 11;
constexpr std::uint16_t kRightTrigger = 12;
constexpr std::uint16_t kStart = 13;
constexpr std::uint16_t kBack = 14;

}  // namespace padbutton
