// Cross goody: clears its four neighbours, and with each neighbour its whole group when that is big enough to
// remove.
#pragma once

#include "game/Bonus.h"

class CrossBonus : public Bonus {
 public:
  CrossBonus() : Bonus("CrossBonus") {}

  bool Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour, std::uint16_t group,
               Cylinder& board) override;
  std::unique_ptr<Block> Clone() const override { return std::make_unique<CrossBonus>(*this); }
};
