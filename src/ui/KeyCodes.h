// The codes key events carry for the keys the screens play with: Windows
// virtual-key codes, as the platform layer translates the keyboard's keys.
#pragma once

#include <cstdint>

namespace keycode {

constexpr std::uint16_t kEnter = 13;
constexpr std::uint16_t kSpace = 32;
constexpr std::uint16_t kPageUp = 33;
constexpr std::uint16_t kPageDown = 34;
constexpr std::uint16_t kLeft = 37;
constexpr std::uint16_t kUp = 38;
constexpr std::uint16_t kRight = 39;
constexpr std::uint16_t kDown = 40;

}  // namespace keycode
