// Colour bomb: clicked, it clears every block of its colour on the whole board.
// A plain group takes it along only when the group has the bomb's colour.
// The four colour bombs differ only in their colour and name.
#pragma once

#include <string>

#include "game/Bonus.h"

class ColourBombBonus : public Bonus {
 public:
  ColourBombBonus(std::string bonusName, BlockColour target);

  bool Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour, std::uint16_t group,
               Cylinder& board) override;
  std::unique_ptr<Block> Clone() const override { return std::make_unique<ColourBombBonus>(*this); }

  BlockColour TargetColour() const { return targetColour_; }

 private:
  BlockColour targetColour_;
};
