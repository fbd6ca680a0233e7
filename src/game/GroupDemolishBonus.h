// Cluster bomb: clears every group on the board that is big enough to remove.
#pragma once

#include "game/Bonus.h"

class GroupDemolishBonus : public Bonus {
 public:
  GroupDemolishBonus() : Bonus("GroupDemolishBonus") {}

  bool Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour, std::uint16_t group,
               Cylinder& board) override;
  std::unique_ptr<Block> Clone() const override { return std::make_unique<GroupDemolishBonus>(*this); }
};
