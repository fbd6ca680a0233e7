// The small value types every part of the board shares.
#pragma once

#include <cstdint>

// 0 is an empty cell; goodies carry their own colour so that any group takes them along.
using BlockColour = std::uint16_t;
inline constexpr BlockColour kEmpty = 0;
inline constexpr BlockColour kYellow = 1;
inline constexpr BlockColour kGreen = 2;
inline constexpr BlockColour kRed = 3;
inline constexpr BlockColour kBlue = 4;
inline constexpr BlockColour kMarker = 5;
inline constexpr BlockColour kGoody = 65535;

enum class BlockState : std::uint32_t { Resting = 0, Vanishing = 1, Gone = 2 };

enum class RingTurn : std::uint32_t { Still = 0, Turning = 1, Stopping = 2 };

enum class BoardState : std::uint32_t {
  Idle = 0,
  Falling = 1,
  RotatingAll = 2,
  Shifting = 3,
  Smashing = 4,
  Intro = 6,
  LevelEnding = 7,
  CountingUp = 8,
  GameOver = 9,
};
