// Ring bomb: clears every block of its own ring.
#pragma once

#include "game/Bonus.h"

class HLDemolishBonus : public Bonus {
 public:
  HLDemolishBonus() : Bonus("HLDemolishBonus") {}

  bool Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour, std::uint16_t group,
               Cylinder& board) override;
  std::unique_ptr<Block> Clone() const override { return std::make_unique<HLDemolishBonus>(*this); }
};
