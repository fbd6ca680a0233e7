// Super bomb: clears a square of three by three blocks round itself and one block two steps away in each
// direction.
#pragma once

#include "game/Bonus.h"

class BombBonus : public Bonus {
 public:
  BombBonus() : Bonus("BombBonus") {}

  bool Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour, std::uint16_t group,
               Cylinder& board) override;
  std::unique_ptr<Block> Clone() const override { return std::make_unique<BombBonus>(*this); }
};
