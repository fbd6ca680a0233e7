#include "game/BlockRandom.h"

BlockRandom& BlockRandom::Instance() {
  static BlockRandom generator;
  return generator;
}

std::uint32_t BlockRandom::Step() {
  state_ = state_ * 1103515245u + 12345u;
  return state_ & 0x7fffffffu;
}

double BlockRandom::NextUnit() { return static_cast<double>(Step()) / 2147483648.0; }

BlockColour BlockRandom::Next() {
  const std::uint32_t low31 = Step();
  auto r = static_cast<std::uint32_t>(static_cast<std::uint64_t>(low31) * colours_ >> 31);
  if (r == colours_) {
    r = colours_ - 1u;
  }
  return static_cast<BlockColour>(r + 1u);
}
