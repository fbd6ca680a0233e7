#include "game/BlockRandom.h"

BlockRandom& BlockRandom::Instance() {
  static BlockRandom generator;
  return generator;
}

BlockColour BlockRandom::Next() {
  state_ = state_ * 1103515245u + 12345u;
  const std::uint32_t low31 = state_ & 0x7fffffffu;
  auto r = static_cast<std::uint32_t>(static_cast<std::uint64_t>(low31) * colours_ >> 31);
  if (r == colours_) {
    r = colours_ - 1u;
  }
  return static_cast<BlockColour>(r + 1u);
}
