// A board at rest, copied whole so that it can be put back exactly: every
// cell's block and every ring's turn, both the step it stands at and the
// angle it is drawn at.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "game/Block.h"

class Cylinder;

class BoardSnapshot {
 public:
  explicit BoardSnapshot(const Cylinder& board);

  // The board must be the one copied, or one of the same shape.
  void Restore(Cylinder& board) const;

 private:
  struct RingCopy {
    std::array<float, 16> transform;
    std::int16_t offset;
    std::vector<std::unique_ptr<Block>> blocks;
  };

  std::vector<RingCopy> rings_;
};
