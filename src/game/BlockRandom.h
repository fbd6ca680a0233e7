// The colour generator every new block draws from. Its formula is fixed so that
// a seed always deals the same board; the game seeds it from the clock at start.
#pragma once

#include <cstdint>

#include "game/BoardTypes.h"

class BlockRandom {
 public:
  static BlockRandom& Instance();

  void Seed(std::uint32_t seed) { state_ = seed; }
  // Colours 1 to count are dealt; a count of 0 is taken as 1.
  void SetColours(std::uint16_t count) { colours_ = count == 0 ? 1 : count; }
  std::uint16_t Colours() const { return colours_; }
  std::uint32_t State() const { return state_; }

  BlockColour Next();
  // One step of the same formula as a number in [0, 1).
  double NextUnit();

 private:
  // Advances the state and returns it with its top bit cleared.
  std::uint32_t Step();

  std::uint32_t state_ = 0;
  std::uint16_t colours_ = 4;
};
