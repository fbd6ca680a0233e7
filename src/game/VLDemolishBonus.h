// Column bomb: clears every block of its own column, one in each ring.
#pragma once

#include "game/Bonus.h"

class VLDemolishBonus : public Bonus {
 public:
  VLDemolishBonus() : Bonus("VLDemolishBonus") {}

  bool Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour, std::uint16_t group,
               Cylinder& board) override;
  std::unique_ptr<Block> Clone() const override { return std::make_unique<VLDemolishBonus>(*this); }
};
